#pragma once

#include "cli/Command.h"

#include <cstddef>

// `zylox loudness`: each slot of a sound bank with its loudness as the device plays it (EBU R128,
// integrated, of the slot's 8-bit bytes), one line a slot.
class LoudnessCommand : public Command {
public:
    explicit LoudnessCommand(CLI::App& app);

    int run() override;

private:
    std::size_t m_row = 0;
};
