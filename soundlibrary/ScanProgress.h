#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundlibrary {

// How far a scan of the library folders has come, and what it found: the window shows it as the
// scan goes and words its counts at the end.
struct ScanProgress {
    std::uint64_t seen = 0; // sound files found so far
    std::uint64_t added = 0; // new to the index
    std::uint64_t changed = 0; // of another size or time than the index held: analysed again
    std::uint64_t removed = 0; // gone from their folder, or of a folder no longer in the library
    std::uint64_t unreadable = 0; // entries that could not be read (folders, broken links, FIFOs)
    std::uint64_t notUtf8 = 0; // sound files whose path is not UTF-8: kept, searched by a stand-in
    std::uint64_t otherFiles = 0; // files whose names are not of sound files: left out
    std::vector<std::string> missingFolders; // library folders that could not be listed: kept as they were
    bool cancelled = false; // stopped between two batches; what was written stays
    bool finished = false; // every folder walked
    std::string failure; // SQLite's words when the index could not be written; the scan stopped
};

} // namespace soundlibrary
