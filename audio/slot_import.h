#pragma once

#include "audio/ImportOptions.h"
#include "audio/ImportResult.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace audio {

// The most bytes of a source file an import into a slot of slotLength bytes reads: the sample
// data its conversion can use at most, and room for the chunks before it.
std::size_t sourceLimit(std::size_t slotLength);
// The same for a shape, whose region may reach further into the source (a minute at most).
std::size_t sourceLimit(std::size_t slotLength, const ImportOptions& options);
// The most bytes of a source file a program reads to hold a minute of it for shaping or playing;
// of a wide source (many channels, a high rate) that is less than a minute.
std::size_t heldSourceLimit();

// Fills a sample slot from a sound file's bytes: integer WAV or AIFF through our own reader, every
// other sound format libsndfile decodes through it, both converted the same way to the device
// format. A file neither decodes goes in as raw device bytes when the options allow it, whatever
// its first bytes look like; otherwise a sound that does not decode is refused, and so is a file
// that is no sound at all. The slot keeps its length. What the file
// delivers is followed by silence (0x80), its last seven bytes fade out and the first byte of the
// slot is 0x80; a device-format sound of exactly the slot's length, as export writes it, is taken
// as it is. The shape in the options is rendered as renderSlot renders it. Returns what it did; a
// refusal leaves the slot unchanged.
// fileSize is the whole file's where source holds only its first bytes (0: source is the whole
// file), as many as sourceBytesNeeded says.
ImportResult importSlot(std::span<const std::uint8_t> source, const ImportOptions& options,
                        std::vector<std::uint8_t>& slot, std::uint64_t fileSize = 0);

// How many of a file's first bytes importSlot uses, from its first bytes (head): for a WAV file no
// more than the part of its sample data the slot needs; for others all of them (SIZE_MAX).
std::uint64_t sourceBytesNeeded(std::span<const std::uint8_t> head, std::size_t slotLength,
                                const ImportOptions& options);

} // namespace audio
