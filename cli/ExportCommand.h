#pragma once

#include "cli/Command.h"
#include "cli/SlotChoice.h"

#include <cstddef>
#include <string>

// `zylox export`: a sample slot as an 8-bit unsigned mono 33 kHz WAV file holding the slot's bytes
// as they are, or a firmware slot as its System Exclusive message.
class ExportCommand : public Command {
public:
    explicit ExportCommand(CLI::App& app);

    int run() override;

private:
    std::size_t m_row = 0;
    SlotChoice m_slot;
    std::string m_output;
};
