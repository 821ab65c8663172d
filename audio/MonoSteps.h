#pragma once

#include "audio/PcmFrames.h"
#include "audio/SoundShape.h"
#include "audio/SourceRegion.h"

#include <cstdint>
#include <span>
#include <vector>

namespace audio {

// One channel of a source as the mono choice makes it, in 8-bit steps (full scale is -128 to 128),
// so that every width is measured and shaped alike.
class MonoSteps {
public:
    MonoSteps(const PcmFrames& source, MonoSource mono);

    // The frame must lie inside the source.
    double at(std::uint64_t frame) const;
    // The region's frames, clipped to the source.
    std::vector<double> of(SourceRegion region) const;
    // out.size() frames from first on, which must lie inside the source: what at gives each, read
    // without a call per value.
    void into(std::uint64_t first, std::span<double> out) const;
    std::uint64_t frames() const { return m_frames; }

private:
    const PcmFrames& m_source;
    MonoSource m_mono;
    double m_step;
    std::uint64_t m_frames;
};

// A level in dBFS as 8-bit steps from the zero line.
double stepsOfLevel(double decibels);

} // namespace audio
