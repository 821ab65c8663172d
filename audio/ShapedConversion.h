#pragma once

#include "audio/DecodedSound.h"
#include "audio/ImportResult.h"
#include "audio/SoundShape.h"
#include "audio/SourceRegion.h"

#include <cstddef>
#include <vector>

namespace audio {

// The held frames of the source a shape's region names, as far as they are held; no end takes all of it.
SourceRegion regionOf(const DecodedSound& sound, const SoundShape& shape);

// The shape's steps from the region to the fades (everything but the rounding to 8 bits), as device
// samples in 8-bit steps: at most slotLength of them. Notes in result the sound's length at the
// device rate, what trim and normalise did, and a fit out of reach (then it refuses, kind None).
std::vector<double> convertShaped(const DecodedSound& sound, const SoundShape& shape, std::size_t slotLength,
                                  ImportResult& result);

} // namespace audio
