#include "soundlibrary/LibraryLocation.h"

#include <cstdlib>
#include <filesystem>

namespace soundlibrary {

std::string libraryDatabasePath(const char* xdgCacheHome, const char* home)
{
    std::filesystem::path cache;
    if (xdgCacheHome != nullptr && std::filesystem::path(xdgCacheHome).is_absolute())
        cache = xdgCacheHome;
    else if (home != nullptr && std::filesystem::path(home).is_absolute())
        cache = std::filesystem::path(home) / ".cache";
    else
        return {};
    return (cache / "zylox" / "library.sqlite").string();
}

std::string libraryDatabasePath()
{
    return libraryDatabasePath(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME"));
}

} // namespace soundlibrary
