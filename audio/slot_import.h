#pragma once

#include "audio/ImportResult.h"

#include <cstdint>
#include <vector>

namespace audio {

// Fills a sample slot from a sound file: WAV or AIFF converted to the device format, anything else
// taken as raw device bytes; the slot keeps its length. What the file delivers is followed by
// silence (0x80), its last seven bytes fade out and the first byte of the slot is 0x80. Returns
// what it did; nothing, with the slot unchanged, when the file cannot be opened or delivers no
// sample bytes.
ImportResult importSlot(const char* path, std::vector<std::uint8_t>& slot);

} // namespace audio
