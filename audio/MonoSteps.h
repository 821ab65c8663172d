#pragma once

#include "audio/PcmFrames.h"
#include "audio/SoundShape.h"
#include "audio/SourceRegion.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace audio {

// One channel of a source as the mono choice makes it, in 8-bit steps (full scale is -128 to 128),
// so that every width is measured and shaped alike.
class MonoSteps {
public:
    // Read: every call reads the source's frames. Kept: a source of 12 bytes a frame or more (6
    // channels of 16 bits, 4 of 24) is read once and its frames kept as one whole number of 4 bytes
    // each (the channels' sum for a mix), a third of the frames or less and quicker to read again: a
    // render that reads a long region of 8 channels at 192 kHz for every move of a control reads a
    // sixth of the bytes.
    enum class Keeping { Read, Kept };

    MonoSteps(const PcmFrames& source, MonoSource mono, Keeping keeping = Keeping::Read);

    // The frame must lie inside the source.
    double at(std::uint64_t frame) const;
    // The region's frames, clipped to the source.
    std::vector<double> of(SourceRegion region) const;
    // out.size() frames from first on, which must lie inside the source: what at gives each, read
    // without a call per value.
    void into(std::uint64_t first, std::span<double> out) const;
    std::uint64_t frames() const { return m_frames; }
    // The memory the kept frames take; 0 where they are read.
    std::size_t keptBytes() const { return m_kept.size() * sizeof(std::int32_t); }

private:
    // A frame's whole number as a step: the sum of the mixed channels is divided by their count,
    // the difference of side's two by 2, one channel's value by 1.
    double stepOf(std::int64_t whole) const
    {
        const auto value = static_cast<double>(whole);
        return m_divisor == 1.0 ? value * m_step : value / m_divisor * m_step;
    }

    const PcmFrames& m_source;
    MonoSource m_mono;
    double m_step;
    double m_divisor; // 1 where the divisor is a power of two, which the step then holds
    std::uint64_t m_frames;
    std::vector<std::int32_t> m_kept; // every frame's whole number, where kept
};

// A level in dBFS as 8-bit steps from the zero line.
double stepsOfLevel(double decibels);

} // namespace audio
