#include "soundlibrary/LibraryLocation.h"

#include <cstdlib>
#include <filesystem>

namespace soundlibrary {

namespace {

// The XDG base folder given, or its default under the home folder; empty when neither is absolute.
std::filesystem::path baseFolder(const char* xdgVariable, const char* home, const char* underHome)
{
    if (xdgVariable != nullptr && std::filesystem::path(xdgVariable).is_absolute())
        return xdgVariable;
    if (home != nullptr && std::filesystem::path(home).is_absolute())
        return std::filesystem::path(home) / underHome;
    return {};
}

} // namespace

std::string libraryDatabasePath(const char* xdgCacheHome, const char* home)
{
    const std::filesystem::path cache = baseFolder(xdgCacheHome, home, ".cache");
    return cache.empty() ? std::string() : (cache / "zylox" / "library.sqlite").string();
}

std::string libraryDatabasePath()
{
    return libraryDatabasePath(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME"));
}

std::string libraryFoldersPath(const char* xdgConfigHome, const char* home)
{
    const std::filesystem::path config = baseFolder(xdgConfigHome, home, ".config");
    return config.empty() ? std::string() : (config / "zylox" / "library-folders").string();
}

std::string libraryFoldersPath()
{
    return libraryFoldersPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

} // namespace soundlibrary
