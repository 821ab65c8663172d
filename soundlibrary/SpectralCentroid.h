#pragma once

#include <optional>
#include <span>

namespace soundlibrary {

// How bright a sound is: the spectral centroid, the mean frequency of its spectrum weighted by each
// frequency's magnitude, in Hz. Measured over Hann-windowed frames of 2048 values, each frame's
// spectrum weighted by its own magnitude, so the loud part of a hit counts more than its tail. None
// of silence, or without a usable rate.
std::optional<double> spectralCentroid(std::span<const double> mono, double rate);

} // namespace soundlibrary
