#pragma once

#include "audio/MonoSteps.h"
#include "audio/SourceRegion.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace audio {

// The loudest step of every block of a source's frames for one mono choice, so that a search for
// sound (trim, an onset, normalise's peak) reads only the blocks where the answer lies rather than
// every frame of a long source. The answers are those of reading every frame, to the bit. Holds the
// source by reference: it must outlive the peaks.
class SoundPeaks {
public:
    SoundPeaks(const PcmFrames& source, MonoSource mono);

    // The first frame of the region whose step lies further than threshold from the zero line; none
    // when there is none.
    std::optional<std::uint64_t> firstAbove(SourceRegion region, double threshold) const;
    // The last such frame of the region.
    std::optional<std::uint64_t> lastAbove(SourceRegion region, double threshold) const;
    // The largest distance of a step of the region from the zero line; 0 for an empty region.
    double peak(SourceRegion region) const;

    const MonoSteps& steps() const { return m_steps; }
    // The memory the peaks and the kept steps take.
    std::size_t bytes() const { return m_blocks.size() * sizeof(double) + m_steps.keptBytes(); }

private:
    // The region's frames inside the source.
    SourceRegion held(SourceRegion region) const;
    // The largest distance from the zero line of the frames of a region inside one block.
    double peakWithin(SourceRegion region) const;

    MonoSteps m_steps;
    std::vector<double> m_blocks;
};

} // namespace audio
