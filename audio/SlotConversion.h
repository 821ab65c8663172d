#pragma once

#include "audio/ImportResult.h"
#include "audio/PcmFrames.h"
#include "audio/SoundShape.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace audio {

// Device frames a conversion for a slot of slotLength bytes makes at most: the slot's length, or
// more where trim may drop a long silence before the sound.
std::size_t deviceFramesUsed(std::size_t slotLength, const SoundShape& options);

// The source frames from the first that trim's search through deviceFramesUsed reads, the
// resampler's filter included.
std::uint64_t sourceFramesTrimReads(const PcmFrames& in, std::size_t slotLength);
// Whether trim (without normalise) is sure to find no sound in frames whose mixed steps reach
// sourcePeak steps at most: then the slot is the conversion's first frames, and the search of 24
// slots' worth of a long source can be left out.
bool trimFindsNothing(double sourcePeak, Resampling resampling);

// Converts a sound file's sample to device samples for a slot of slotLength bytes as the options
// say: the chosen resampling, then trim and normalise on what will reach the slot; at most
// slotLength bytes, before the slot's own finishing (padding, fade, first byte). Notes in result
// what trim and normalise did. With the default options this is the classic conversion, byte for
// byte.
// Scales steps so the highest reaches 127 or the lowest -128, whichever comes first; returns the
// gain in dB (0 for silence).
double normalizeSteps(std::vector<double>& steps);

std::vector<std::uint8_t> convertForSlot(const PcmFrames& in, std::size_t slotLength, const SoundShape& options,
                                         ImportResult& result);

} // namespace audio
