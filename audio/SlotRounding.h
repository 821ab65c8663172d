#pragma once

#include "audio/SoundShape.h"

#include <cstdint>
#include <span>
#include <vector>

namespace audio {

// The largest magnitude in steps that a byte may reach without a limiter: full scale.
constexpr double fullScaleSteps = 128.0;

// The device's 8-bit values of a converted sound in steps: Classic truncates as it always did;
// Clean rounds, with the dither chosen (Classic takes none). No byte lies further than ceiling
// steps from the zero line: rounding or the dither's noise that would carry one past it holds it at
// the last whole step inside. Sets clipped when a value lay beyond the 8-bit range and was held at
// its end.
std::vector<std::uint8_t> roundToDevice(std::span<const double> steps, Resampling resampling, Dither dither,
                                        double ceiling, bool& clipped);

} // namespace audio
