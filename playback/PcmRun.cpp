#include "playback/PcmRun.h"

std::size_t PcmRun::frames() const
{
    return channels == 0 ? 0 : samples.size() / channels;
}

PcmFormat PcmRun::format() const
{
    return {PcmFormat::Encoding::Signed16, rate, channels};
}

std::string PcmRun::refusal() const
{
    if (channels != 1 && channels != 2)
        return "a sound of " + std::to_string(channels) + " channels cannot be played, only mono or stereo";
    if (rate < kLowestRate || rate > kHighestRate)
        return "a sound at " + std::to_string(rate) + " frames per second cannot be played, only at "
               + std::to_string(kLowestRate) + " to " + std::to_string(kHighestRate);
    if (samples.empty())
        return "the sound to play holds no frames";
    if (samples.size() % channels != 0)
        return "the sound to play ends in half a stereo frame";
    return {};
}
