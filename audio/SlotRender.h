#pragma once

#include "audio/DecodedSound.h"
#include "audio/ImportResult.h"
#include "audio/SoundShape.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace audio {

// A slot's bytes as a shape makes them of a decoded sound, and what was done; bytes is empty when
// the result refuses (a fit out of reach, no sound at all).
struct RenderedSlot {
    std::vector<std::uint8_t> bytes;
    ImportResult result;
};

// Renders a decoded sound into a slot of slotLength bytes: the shape's steps, then the slot's own
// finishing (silence after the sound, the device's short fade at a cut where no fade-out was
// asked for, a silent first byte). Pure, so that an editor can render again for every move of a
// control; with a shape that asks for no more than conversion, normalise and trim, this is the
// import of old, byte for byte. The report gives the result's peak and where the sound starts.
// The slot's own finishing of its first count bytes of sound: the device's short fade at their
// end, where asked for, and a silent first byte.
void finishSlot(std::vector<std::uint8_t>& slot, std::size_t count, bool deviceFade);

RenderedSlot renderSlot(const DecodedSound& sound, const SoundShape& shape, std::size_t slotLength);

} // namespace audio
