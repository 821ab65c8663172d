#include "audio/ShapeReport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace audio {

ShapeReport ShapeReport::of(std::span<const std::uint8_t> slot, bool clipped)
{
    constexpr int silence = 0x80;
    int peak = 0;
    for (const std::uint8_t byte : slot)
        peak = std::max(peak, std::abs(static_cast<int>(byte) - silence));
    ShapeReport report;
    report.clipped = clipped;
    report.peakDecibels = decibelsOf(peak);
    report.silent = report.peakDecibels < quietestSound;
    return report;
}

double ShapeReport::decibelsOf(int steps)
{
    return decibelsOf(static_cast<double>(steps));
}

double ShapeReport::decibelsOf(double steps)
{
    return steps == 0.0 ? -std::numeric_limits<double>::infinity() : 20.0 * std::log10(steps / 128.0);
}

} // namespace audio
