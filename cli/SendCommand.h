#pragma once

#include "cli/Command.h"

#include <cstddef>
#include <cstdint>

// `zylox send`: transmits one bank or all 32 to a MIDI output exactly as the editor does.
class SendCommand : public Command {
public:
    explicit SendCommand(CLI::App& app);

    int run() override;

private:
    // True when the user agrees to the long transmission of all banks.
    bool confirmAll(std::int64_t estimateSeconds) const;

    unsigned m_port = 0;
    std::size_t m_row = 0;
    bool m_all = false;
    std::uint16_t m_channel = 0;
    bool m_yes = false;
};
