#pragma once

#include "audio/SoundShape.h"

#include <cstdint>
#include <span>
#include <vector>

namespace audio {

// The device's 8-bit values of a converted sound in steps: Classic truncates as it always did;
// Clean rounds, with the dither chosen (Classic takes none). Sets clipped when a value lay beyond
// the 8-bit range and was held at its end.
std::vector<std::uint8_t> roundToDevice(std::span<const double> steps, Resampling resampling, Dither dither, bool& clipped);

} // namespace audio
