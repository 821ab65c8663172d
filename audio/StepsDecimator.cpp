#include "audio/StepsDecimator.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace audio {

namespace {

// A step as a whole number of 2^-20 steps: a step too fine to matter in 8 bits, and room in 64 bits
// for three sums of the loudest gain's steps over the largest factor.
constexpr double wholesPerStep = 0x1p20;
constexpr double loudestStep = 0x1p24;
constexpr std::size_t blockFrames = 4096;
// The rate the thinned frames keep, as a multiple of the target's.
constexpr double rateKept = 8.0;

} // namespace

std::size_t StepsDecimator::factorFor(double sourceRate, double targetRate)
{
    const double most = std::floor(sourceRate / targetRate / rateKept);
    if (!(most >= 3.0)) {
        return 1;
    }
    const auto factor = static_cast<std::size_t>(std::min(most, 1e6));
    return factor % 2 == 1 ? factor : factor - 1;
}

StepsDecimator::StepsDecimator(std::uint64_t frames, StepsReader steps, std::size_t factor)
    : m_sourceFrames(frames)
    , m_steps(std::move(steps))
    , m_factor(std::max<std::size_t>(factor | 1U, 1))
    , m_frames((frames + m_factor - 1) / m_factor + 1)
    , m_scale(1.0 / static_cast<double>(m_factor * m_factor * m_factor) / wholesPerStep)
    // Kept frame j is centred on source frame j * factor: the filter's 3 * factor - 2 frames reach
    // (3 * factor - 3) / 2 before and after it, so the sums have taken that frame last. The frame
    // before frame 0 lies that far less factor in, at 0 or later for a factor of 3 or more.
    , m_untilKept(m_factor >= 3 ? (m_factor - 3) / 2 + 1 : 1)
    , m_warming(m_factor >= 3)
{
}

void StepsDecimator::readOn()
{
    m_readFrom += m_read.size();
    m_readUsed = 0;
    m_read.resize(blockFrames);
    const auto count = static_cast<std::size_t>(
        std::min<std::uint64_t>(blockFrames, m_sourceFrames - std::min(m_readFrom, m_sourceFrames)));
    if (count != 0) {
        m_steps(m_readFrom, {m_read.data(), count});
    }
    // Past the source's end the filter's tail runs on into silence.
    std::fill(m_read.begin() + static_cast<std::ptrdiff_t>(count), m_read.end(), 0.0);
}

std::size_t StepsDecimator::sumAndKeep(std::span<const double> steps, std::span<double> kept)
{
    // Locals, so that the sums stay in registers across the loop.
    std::uint64_t first = m_sums[0];
    std::uint64_t second = m_sums[1];
    std::uint64_t third = m_sums[2];
    std::uint64_t untilKept = m_untilKept;
    std::size_t made = 0;
    std::size_t taken = 0;
    while (taken < steps.size() && made < kept.size()) {
        // min and max rather than a clamp's branches, which took half the loop's time.
        const double held = std::max(-loudestStep, std::min(steps[taken++], loudestStep));
        first += static_cast<std::uint64_t>(static_cast<std::int64_t>(held * wholesPerStep));
        second += first;
        third += second;
        if (--untilKept != 0) {
            continue;
        }
        untilKept = m_factor;
        // Each difference takes the one a kept frame before from it: three running means, thinned.
        std::uint64_t difference = third;
        for (std::uint64_t& previous : m_previous) {
            difference -= std::exchange(previous, difference);
        }
        if (!std::exchange(m_warming, false)) {
            kept[made++] = static_cast<double>(static_cast<std::int64_t>(difference)) * m_scale;
        }
    }
    m_sums = {first, second, third};
    m_untilKept = untilKept;
    m_readUsed += taken;
    return made;
}

void StepsDecimator::into(std::uint64_t first, std::span<double> block)
{
    if (first != m_next) {
        std::fill(block.begin(), block.end(), 0.0);
        return;
    }
    for (std::size_t made = 0; made < block.size();) {
        if (m_readUsed == m_read.size()) {
            readOn();
        }
        made += sumAndKeep(std::span<const double>(m_read).subspan(m_readUsed), block.subspan(made));
    }
    m_next += block.size();
}

} // namespace audio
