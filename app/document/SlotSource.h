#pragma once

#include "audio/DecodedSound.h"
#include "audio/SoundShape.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

class SourceReader;

// A file's size and modification time as the file system gives them, to tell whether it changed.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds since the epoch
    bool operator==(const FileStamp&) const = default;
};

// What a shaped slot was made from: the decoded source (the part its region uses and about a minute
// around it, shared between the slot and the undo steps that hold it) and the shape it was given, so the sound panel
// starts again from the source instead of from the slot's 8-bit bytes. path is where the source came from; empty for a
// source made of a slot's own bytes.
struct SlotSource {
    std::shared_ptr<const audio::DecodedSound> sound;
    std::string path;
    audio::SoundShape shape;
    // The file at path as it was when it was read.
    FileStamp stamp;
};

// The stamp of the regular file at path now; none for anything else or a file that is gone.
std::optional<FileStamp> fileStampOf(const std::string& path);
// What a sample slot of slotLength bytes holds of a stream (a FIFO, a device), which can be read
// only once: what the slot needs of any source, and a minute of a common one to shape it again.
std::size_t keptSourceLimit(std::size_t slotLength);
// What a slot of slotLength bytes keeps of a sound file to be shaped again and again: the part the
// shape's region uses, and about a minute around it (audio::framesKept).
std::shared_ptr<const audio::DecodedSound> decodeKept(SourceReader& source, std::size_t slotLength,
                                                      const audio::SoundShape& shape);
// The first minute of the sound file at path, decoded, reading no more of a WAV file than that
// minute: what listening to a source as it is needs. A file that cannot be read is refused as
// NoSound.
std::shared_ptr<const audio::DecodedSound> decodeMinute(const std::string& path);

// The kept sources of one bank's slots, by slot.
using RowSources = std::map<std::uint16_t, SlotSource>;
