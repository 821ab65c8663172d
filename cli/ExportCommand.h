#pragma once

#include "cli/Command.h"
#include "cli/SlotChoice.h"

#include <cstddef>
#include <string>

// `zylox export`: a sample slot as an 8-bit unsigned mono 33 kHz WAV file holding the slot's bytes
// as they are, or a firmware slot as its System Exclusive message; with --all-slots, a sound bank's
// six slots as such files in a folder (BankSoundFiles).
class ExportCommand : public Command {
public:
    explicit ExportCommand(CLI::App& app);

    int run() override;

private:
    int exportAll() const;

    std::size_t m_row = 0;
    SlotChoice m_slot;
    bool m_allSlots = false;
    std::string m_output;
};
