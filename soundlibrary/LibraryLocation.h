#pragma once

#include <string>

namespace soundlibrary {

// Where the library's index lives: $XDG_CACHE_HOME/zylox/library.sqlite (~/.cache/zylox/ when it is
// unset or not absolute). Everything in it is made again from the library folders themselves (whose
// list is the user's configuration, libraryFoldersPath), so by the XDG rules it is cache: backups may
// leave it out and a user may delete it to free space, at the cost of one background scan and
// analysis. Empty when neither variable gives a home.
std::string libraryDatabasePath(const char* xdgCacheHome, const char* home);
// The same from the process's environment.
std::string libraryDatabasePath();

// Where the list of library folders lives: $XDG_CONFIG_HOME/zylox/library-folders (~/.config/zylox/
// when it is unset or not absolute). Unlike the index it is the user's own choice, which nothing
// could make again, so it is configuration: kept in backups, shared by both programs. Empty when
// neither variable gives a home.
std::string libraryFoldersPath(const char* xdgConfigHome, const char* home);
// The same from the process's environment.
std::string libraryFoldersPath();

} // namespace soundlibrary
