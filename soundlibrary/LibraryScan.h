#pragma once

#include "soundlibrary/FolderWalk.h"
#include "soundlibrary/ScanProgress.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace soundlibrary {

class LibraryDatabase;

// Brings the index in step with the library folders: a file new to it is added, one whose size or
// modification time differs is updated (and its analysis dropped, to be made again), one no longer
// there is removed, and so are the files of folders no longer in the library. Unchanged files are
// not written. Writes go in batches, each one transaction, so another program sees either the whole
// batch or none of it; between batches the scan reports its progress and may be cancelled.
class LibraryScan {
public:
    static constexpr std::size_t kBatch = 500;

    // folders: the whole library; absolute paths.
    LibraryScan(LibraryDatabase& database, std::vector<std::string> folders);

    using Report = std::function<void(const ScanProgress&)>;
    ScanProgress run(const std::atomic<bool>& cancel, const Report& report = {});
    // Only one folder of the library and the folders in it, as a watcher of the folders reports it
    // changed; the rest of the index stays as it is. A folder no longer there is scanned through the
    // nearest folder above it that is. Nothing is done for a folder outside the library.
    ScanProgress runFolder(const std::string& folder, const std::atomic<bool>& cancel, const Report& report = {});
    // Only drops the files of folders no longer in the library, as when the user has just removed one:
    // no folder is walked.
    ScanProgress forgetRemovedFolders();

private:
    struct Known {
        std::int64_t size = 0;
        std::int64_t mtime = 0;
        bool seen = false;
    };

    bool forgetOtherFolders();
    // Scans folder, which is root or inside it.
    bool scanFolder(const std::string& root, const std::string& folder, const std::atomic<bool>& cancel,
                    const Report& report);
    // Reads the index's files in a folder of a library folder.
    bool readKnown(const std::string& root, const std::string& folder);
    bool consider(WalkedFile&& file);
    bool flush(const std::string& root);
    bool removeUnseen(const std::vector<std::string>& unlisted);
    bool commit();
    // Keeps SQLite's words of the last failure; false.
    bool failed();

    LibraryDatabase& m_database;
    std::vector<std::string> m_folders;
    ScanProgress m_progress;
    std::unordered_map<std::string, Known> m_known;
    std::vector<WalkedFile> m_pending;
};

} // namespace soundlibrary
