#pragma once

#include "bytes/Text.h"

#include <string>

namespace soundlibrary {

struct LibraryCounts;
struct LibraryOpening;
struct ScanProgress;

// What the sound library tells the user, worded once for both programs: zylox prints the English,
// the window its translation (in its status line and under the library's list).

// Why the index was made anew or is off: "The sound library's index was damaged and is being made
// anew; the old file is kept as …". Empty for an index opened or made as expected.
Text openingText(const LibraryOpening& opening, const std::string& indexPath);
// While a scan goes: "Scanning the sound library: 1,234 files".
Text scanningText(const ScanProgress& progress);
// When it ended: "Sound library: 1,234 files, 12 new, 3 changed, 2 removed", then what it could not
// read, the names that are not UTF-8, the folders that could not be listed, and why it stopped early.
Text scanEndText(const ScanProgress& progress);
// The index could not be written, as SQLite says why (systemText): "the sound library's index could
// not be written (database or disk is full)".
Text indexUnwritableText(const std::string& systemText);
// What the index holds that the user should know of: "2 files could not be read; 1 name not UTF-8;
// 340 files still to analyse". Empty when all is well.
Text countsText(const LibraryCounts& counts);

} // namespace soundlibrary
