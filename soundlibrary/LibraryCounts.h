#pragma once

#include <cstdint>

namespace soundlibrary {

class LibraryDatabase;

// How many files of each kind the index holds, for the line under the library's list ("2 files could
// not be read").
struct LibraryCounts {
    std::uint64_t files = 0; // every file of the index
    std::uint64_t pending = 0; // not yet analysed, or by an older analysis
    std::uint64_t sounds = 0;
    std::uint64_t notSounds = 0; // named as sounds, but no decoder takes them
    std::uint64_t unreadable = 0;
    std::uint64_t notUtf8 = 0; // paths that are not UTF-8

    // All zero when the index cannot be read.
    static LibraryCounts of(const LibraryDatabase& database);
};

} // namespace soundlibrary
