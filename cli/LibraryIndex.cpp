#include "cli/LibraryIndex.h"

#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryLocation.h"
#include "soundlibrary/LibraryWords.h"

#include <filesystem>
#include <iostream>
#include <system_error>

const char* const LibraryIndex::kHowToStart
    = "add a folder of sounds with \"zylox library add FOLDER\", then index it with \"zylox library rescan\"";

std::optional<soundlibrary::LibraryFolders> LibraryIndex::folders()
{
    soundlibrary::LibraryFolders list = soundlibrary::LibraryFolders::load(soundlibrary::libraryFoldersPath());
    if (list.failure()) {
        std::cerr << "zylox: " << list.failure().text().english() << '\n';
        return std::nullopt;
    }
    return list;
}

bool LibraryIndex::exists()
{
    const std::string path = soundlibrary::libraryDatabasePath();
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

std::unique_ptr<soundlibrary::LibraryDatabase> LibraryIndex::open()
{
    const std::string path = soundlibrary::libraryDatabasePath();
    if (path.empty()) {
        std::cerr << "zylox: there is no place for the sound library's index: neither XDG_CACHE_HOME nor HOME is set\n";
        return nullptr;
    }
    auto database = std::make_unique<soundlibrary::LibraryDatabase>(path);
    if (const Text said = soundlibrary::openingText(database->opening(), path); !said.empty())
        std::cerr << "zylox: " << said.english() << '\n';
    if (!database->isOpen())
        return nullptr;
    return database;
}
