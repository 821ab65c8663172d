#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace audio {

// The library that stretches a sound keeping its pitch, by the name a user installs it under: its
// C interface, opened when a fit first stretches.
inline constexpr const char* kStretchLibrary = "libSoundTouchDll.so.1";

// One channel of steps at rate frames per second made ratio times as long keeping its pitch (2 lasts
// twice as long), exactly frames long: the stretch runs on over the steps mirrored past their end, so
// that it fills frames up to ratio times their count. None where the library is missing or cannot be
// used.
std::optional<std::vector<double>> stretchSteps(std::span<const double> steps, double rate, double ratio,
                                                std::size_t frames);

} // namespace audio
