#include "playback/PcmRun.h"

#include "playback/PlaybackFailure.h"

std::size_t PcmRun::frames() const
{
    return channels == 0 ? 0 : samples.size() / channels;
}

PcmFormat PcmRun::format() const
{
    return {PcmFormat::Encoding::Signed16, rate, channels};
}

PlaybackFailure PcmRun::refusal() const
{
    using Kind = PlaybackFailure::Kind;
    if (channels != 1 && channels != 2)
        return {Kind::Channels, {}, format()};
    if (rate < kLowestRate || rate > kHighestRate)
        return {Kind::Rate, {}, format()};
    if (samples.empty())
        return {Kind::NoFrames};
    if (samples.size() % channels != 0)
        return {Kind::HalfFrame};
    return {};
}
