#pragma once

#include "cli/Command.h"

#include "playback/ISoundOutput.h"

#include <cstddef>
#include <functional>
#include <memory>

// `zylox play`: a sample slot through the system's sound output, as the device would sound it.
class PlayCommand : public Command {
public:
    using OutputFactory = std::function<std::unique_ptr<ISoundOutput>()>;

    // The output is made only when the command runs, so other commands never wait for the sound server.
    PlayCommand(CLI::App& app, OutputFactory makeOutput);

    int run() override;

private:
    OutputFactory m_makeOutput;
    std::size_t m_row = 0;
    unsigned m_slot = 0;
};
