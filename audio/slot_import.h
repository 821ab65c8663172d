#pragma once

#include "audio/ImportResult.h"

#include <cstdint>
#include <vector>

namespace audio {

// Fills a sample slot from a sound file: integer WAV or AIFF through our own reader, every other
// sound format libsndfile decodes through it, both converted the same way to the device format;
// a WAV or AIFF file neither can decode is refused, and anything else is taken as raw device
// bytes. The slot keeps its length. What the file delivers is followed by
// silence (0x80), its last seven bytes fade out and the first byte of the slot is 0x80. Returns
// what it did; nothing, with the slot unchanged, when the file cannot be opened or delivers no
// sample bytes.
// A file that says it is WAV or AIFF but neither our reader nor libsndfile can convert: a slot
// refuses it rather than take its bytes as sound.
bool isUnconvertibleSound(const char* path);

ImportResult importSlot(const char* path, std::vector<std::uint8_t>& slot);

} // namespace audio
