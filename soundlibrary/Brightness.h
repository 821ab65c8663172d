#pragma once

#include <optional>
#include <span>

namespace soundlibrary {

// How bright a sound is, in Hz: the mean of the frequencies it holds, each weighted by its
// magnitude (the centroid of its frequencies). Measured over Hann-windowed frames of 2048 values,
// each frame weighted by its own magnitude, so the loud part of a hit counts more than its tail.
// None of silence, or without a usable rate.
std::optional<double> brightness(std::span<const double> mono, double rate);

} // namespace soundlibrary
