#pragma once

#include "audio/SoundShape.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text of a shape sidecar (JSON) and the slots it keeps, without the file: what the reader
// makes of any text is fuzzed on its own. It needs Qt Core alone, so that the fuzz build, which
// leaves the editor out, builds it too.
class ShapeSidecarText {
public:
    struct Slot {
        std::size_t row = 0;
        int slot = 0;
        std::string sourcePath; // absolute; the file system's bytes, which need not be UTF-8
        std::uint64_t sourceSize = 0;
        std::int64_t sourceModified = 0; // nanoseconds since the epoch, as the file system gives them
        audio::SoundShape shape;
        std::string bytesHash; // of the slot's bytes, hex
    };

    // bankFileName is only told, never read back.
    static std::string write(std::string_view bankFileName, const std::vector<Slot>& shaped);
    // The slots the text keeps; none when it is no sidecar of ours, and an entry that does not make
    // sense (a value out of range, a word that names nothing) is left out.
    static std::vector<Slot> read(std::string_view text);
};
