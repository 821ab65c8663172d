#pragma once

#include "cli/Command.h"
#include "cli/ShapeOptions.h"
#include "cli/SlotChoice.h"

#include "playback/ISoundOutput.h"

#include <cstdint>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class IBank;

// `zylox play`: a sample slot through the system's sound output, as the device would sound it; or
// what importing a sound file into the slot would put there, without writing anything; or, without
// a slot, a sound file as it is, as the editor's sound browser plays it.
class PlayCommand : public Command {
public:
    using OutputFactory = std::function<std::unique_ptr<ISoundOutput>()>;

    // The output is made only when the command runs, so other commands never wait for the sound server.
    PlayCommand(CLI::App& app, OutputFactory makeOutput);

    int run() override;

private:
    // The slot's bytes as the source, shaped, would make them; 0, or the failure's status.
    int shapeSource(const IBank& bank, std::uint16_t slot, std::vector<std::uint8_t>& bytes);
    int playSlot();
    int playFile();
    // Plays through the output the factory makes: a slot's bytes or a source's run; 0, or 1 after saying why not.
    int play(const std::function<void(ISoundOutput&, ISoundOutput::EndHandler)>& start);

    OutputFactory m_makeOutput;
    ShapeOptions m_shape;
    std::string m_source;
    std::size_t m_row = 0;
    SlotChoice m_slot;
};
