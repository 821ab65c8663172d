#include "audio/SoundSnapping.h"

#include "audio/MonoSteps.h"

#include <algorithm>
#include <cmath>

namespace audio {

namespace {

// How far an edge may move to a zero crossing: far enough for a crossing of any tone above 50 Hz,
// near enough that the user's choice stands.
constexpr double crossingReach = 0.010;

// The frame nearest to at where the sound, less the mean around it, changes sign (or is zero);
// at itself when there is none within reach.
std::uint64_t nearestCrossing(const MonoSteps& steps, std::uint64_t at, double samplerate)
{
    const std::uint64_t frames = steps.frames();
    const auto reach = static_cast<std::uint64_t>(std::max(1.0, crossingReach * samplerate));
    const std::uint64_t from = at > reach ? at - reach : 0;
    const std::uint64_t to = std::min(frames, at + reach + 1);
    if (to <= from + 1) {
        return at;
    }
    double sum = 0.0;
    for (std::uint64_t frame = from; frame < to; ++frame) {
        sum += steps.at(frame);
    }
    const double mean = sum / static_cast<double>(to - from);
    const auto crossesAt = [&](std::uint64_t frame) {
        const double here = steps.at(frame) - mean;
        return here == 0.0 || (frame > from && (steps.at(frame - 1) - mean < 0.0) != (here < 0.0));
    };
    for (std::uint64_t distance = 0; distance <= reach; ++distance) {
        if (at >= distance && at - distance >= from && at - distance < to && crossesAt(at - distance)) {
            return at - distance;
        }
        if (at + distance < to && crossesAt(at + distance)) {
            return at + distance;
        }
    }
    return at;
}

// Inside the source, and at least one frame long where the source has one.
SourceRegion clipped(SourceRegion region, std::uint64_t frames)
{
    region.last = std::min(region.last, frames);
    region.first = std::min(region.first, region.last);
    if (region.length() == 0 && frames > 0) {
        region.first = std::min(region.first, frames - 1);
        region.last = region.first + 1;
    }
    return region;
}

} // namespace

std::optional<std::uint64_t> onsetFrame(const DecodedSound& sound, std::uint64_t from, double thresholdDecibels,
                                        MonoSource mono)
{
    return sound.peaks(mono).firstAbove({from, UINT64_MAX}, stepsOfLevel(thresholdDecibels));
}

SourceRegion snapStartToOnset(const DecodedSound& sound, SourceRegion region, double thresholdDecibels)
{
    region = clipped(region, sound.frames.frameCount());
    const std::optional<std::uint64_t> onset = onsetFrame(sound, region.first, thresholdDecibels);
    if (onset && *onset < region.last) {
        region.first = *onset;
    }
    return region;
}

SourceRegion snapToZeroCrossings(const DecodedSound& sound, SourceRegion region)
{
    region = clipped(region, sound.frames.frameCount());
    const MonoSteps steps(sound.frames, MonoSource::Mix);
    const double rate = sound.frames.m_samplerate > 0.0 ? sound.frames.m_samplerate : 1.0;
    const SourceRegion snapped{nearestCrossing(steps, region.first, rate), nearestCrossing(steps, region.last, rate)};
    return snapped.length() > 0 ? snapped : region;
}

} // namespace audio
