#pragma once

#include <string>

namespace soundlibrary {

// Where the library's index lives: $XDG_CACHE_HOME/zylox/library.sqlite (~/.cache/zylox/ when it is
// unset or not absolute). Everything in it is made again from the library folders themselves (the
// folders are the window's settings, not the index's), so by the XDG rules it is cache: backups may
// leave it out and a user may delete it to free space, at the cost of one background scan and
// analysis. Empty when neither variable gives a home.
std::string libraryDatabasePath(const char* xdgCacheHome, const char* home);
// The same from the process's environment.
std::string libraryDatabasePath();

} // namespace soundlibrary
