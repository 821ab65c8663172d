#include "audio/SoundPeaks.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace audio {

namespace {

// Frames a block holds: small enough that reading the one block where a search ends is quick
// (5 ms at 192 kHz), large enough that the blocks of a minute at 192 kHz are read in a moment.
constexpr std::uint64_t blockFrames = 1024;

std::uint64_t blockOf(std::uint64_t frame)
{
    return frame / blockFrames;
}

SourceRegion blockRegion(std::uint64_t block)
{
    return {block * blockFrames, (block + 1) * blockFrames};
}

} // namespace

SoundPeaks::SoundPeaks(const PcmFrames& source, MonoSource mono)
    : m_steps(source, mono, MonoSteps::Keeping::Kept)
{
    const std::uint64_t frames = m_steps.frames();
    m_blocks.resize(static_cast<std::size_t>((frames + blockFrames - 1) / blockFrames));
    for (std::size_t block = 0; block < m_blocks.size(); ++block) {
        m_blocks[block] = peakWithin(held(blockRegion(block)));
    }
}

SourceRegion SoundPeaks::held(SourceRegion region) const
{
    region.last = std::min(region.last, m_steps.frames());
    region.first = std::min(region.first, region.last);
    return region;
}

double SoundPeaks::peakWithin(SourceRegion region) const
{
    std::array<double, blockFrames> steps{};
    const std::span<double> read(steps.data(), static_cast<std::size_t>(region.length()));
    m_steps.into(region.first, read);
    double peak = 0.0;
    for (const double step : read) {
        peak = std::max(peak, std::abs(step));
    }
    return peak;
}

std::optional<std::uint64_t> SoundPeaks::firstAbove(SourceRegion region, double threshold) const
{
    region = held(region);
    for (std::uint64_t frame = region.first; frame < region.last;) {
        const std::uint64_t block = blockOf(frame);
        const std::uint64_t blockEnd = std::min(region.last, blockRegion(block).last);
        if (m_blocks[block] > threshold) {
            for (; frame < blockEnd; ++frame) {
                if (std::abs(m_steps.at(frame)) > threshold) {
                    return frame;
                }
            }
        }
        frame = blockEnd;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> SoundPeaks::lastAbove(SourceRegion region, double threshold) const
{
    region = held(region);
    for (std::uint64_t end = region.last; end > region.first;) {
        const std::uint64_t block = blockOf(end - 1);
        const std::uint64_t blockStart = std::max(region.first, blockRegion(block).first);
        if (m_blocks[block] > threshold) {
            for (std::uint64_t frame = end; frame > blockStart; --frame) {
                if (std::abs(m_steps.at(frame - 1)) > threshold) {
                    return frame - 1;
                }
            }
        }
        end = blockStart;
    }
    return std::nullopt;
}

double SoundPeaks::peak(SourceRegion region) const
{
    region = held(region);
    double peak = 0.0;
    for (std::uint64_t frame = region.first; frame < region.last;) {
        const SourceRegion block = blockRegion(blockOf(frame));
        const std::uint64_t blockEnd = std::min(region.last, block.last);
        // A whole block's peak is kept; only the blocks cut by the region's edges are read.
        peak = std::max(peak, frame == block.first && blockEnd == block.last ? m_blocks[blockOf(frame)]
                                                                             : peakWithin({frame, blockEnd}));
        frame = blockEnd;
    }
    return peak;
}

} // namespace audio
