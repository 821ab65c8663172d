#pragma once

#include "audio/DecodedSound.h"
#include "audio/ImportResult.h"
#include "audio/SoundShape.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class SourceReader;

namespace audio {

// The most bytes of a source held in memory to import it into a slot of slotLength bytes, where it
// cannot be read where its decoder asks (a raw file's bytes, a stream dropped on the editor).
std::size_t sourceLimit(std::size_t slotLength);
// The most bytes of a source file a program reads to hold a minute of it for playing; of a wide
// source (many channels, a high rate) that is less than a minute.
std::size_t heldSourceLimit();

// The most sample data one import holds of a source, as the file stores it: what the widest
// source a slot takes (8 channels of 32 bits at 384 kHz: 12 MB a second) needs for the seconds the
// shape uses, and never more than 128 MiB, a minute of 192 kHz stereo 32-bit sound. Only the
// widest sources reach that before what a shape can use of them (trim's search of 24 slots'
// worth, a fit's region): of those, trim searches and fit takes what 128 MiB hold.
inline constexpr std::uint64_t kMostSourceBytes = 128u << 20;

// The frames of a source an import into a slot of slotLength bytes uses: from the region's start,
// as far as the shape can reach into the sound (a minute at most), and the frames the conversion
// looks ahead.
FramesWanted framesUsed(std::size_t slotLength, const SoundShape& options);
// What an editor keeps of a source to shape it again: the frames the import uses, and around them
// as much of a minute as a common source's 47 MB hold (less of a wide one), 20 s of it before the
// region's start where the file has them.
FramesWanted framesKept(std::size_t slotLength, const SoundShape& options);

// Fills a sample slot from a sound file: integer WAV or AIFF through our own reader, every other
// sound format libsndfile decodes through it, both converted the same way to the device format;
// of a long file only the region's part is read. A file neither decodes goes in as raw device
// bytes when the options allow it, whatever its first bytes look like; otherwise a sound that does
// not decode is refused, and so is a file that is no sound at all. The slot keeps its length. What
// the file delivers is followed by silence (0x80), its last seven bytes fade out and the first byte
// of the slot is 0x80; a device-format sound of exactly the slot's length, as export writes it, is
// taken as it is. The shape in the options is rendered as renderSlot renders it. Returns what it
// did; a refusal leaves the slot unchanged.
ImportResult importSlot(SourceReader& source, const SoundShape& options, std::vector<std::uint8_t>& slot);
// The same of a whole file's bytes in memory.
ImportResult importSlot(std::span<const std::uint8_t> source, const SoundShape& options,
                        std::vector<std::uint8_t>& slot);

} // namespace audio
