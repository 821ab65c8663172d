#pragma once

#include "playback/ISoundOutput.h"

#include <cstdint>
#include <future>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// How a play on the output ends, for the test to wait on: "played", "stopped" or the failure.
inline ISoundOutput::EndHandler endingInto(std::future<std::string>& ended)
{
    auto promise = std::make_shared<std::promise<std::string>>();
    ended = promise->get_future();
    return [promise](bool played, const PlaybackFailure& failure) {
        promise->set_value(played ? "played" : failure ? failure.describe() : "stopped");
    };
}

inline std::future<std::string> play(ISoundOutput& output, std::vector<std::uint8_t> samples)
{
    std::future<std::string> ended;
    output.play(std::move(samples), endingInto(ended));
    return ended;
}

inline std::future<std::string> playRun(ISoundOutput& output, PcmRun run)
{
    std::future<std::string> ended;
    output.playRun(std::move(run), endingInto(ended));
    return ended;
}
