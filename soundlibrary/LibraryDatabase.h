#pragma once

#include "soundlibrary/LibraryOpening.h"

#include <chrono>
#include <string>
#include <string_view>

struct sqlite3;

namespace soundlibrary {

// The library's index: one SQLite file that every running editor shares. It is opened in WAL mode,
// so one program's scan never stops another's search, and a writer waits for another writer up to
// the busy timeout. A file that is damaged, locked past the timeout, or of another version is
// renamed aside (with its journal files) and a fresh one made in its place: the index can always be
// rebuilt from the folders, so it never stands between the user and the program. One of an older
// layout is brought up to this one in place, its rows and their analysis kept; only one whose steps
// fail is set aside.
// One connection: use it from one thread at a time (each thread opens its own).
class LibraryDatabase {
public:
    // The layout of the tables, kept in PRAGMA user_version.
    static constexpr int kSchemaVersion = 2;
    // A connection's own cache of pages, in KiB. Scanning and analysing go through each page once a
    // batch, and a page read again costs microseconds from the system's file cache: a few MiB hold
    // the trees' upper levels. A search, each key typed, reads much of the index again: its
    // connection keeps it all (some 55 MB at 100,000 files), which halves its time there.
    static constexpr int kCacheKiB = 4 * 1024;
    static constexpr int kSearchCacheKiB = 64 * 1024;

    explicit LibraryDatabase(std::string path, std::chrono::milliseconds busyTimeout = std::chrono::milliseconds(5000));
    ~LibraryDatabase();
    LibraryDatabase(const LibraryDatabase&) = delete;
    LibraryDatabase& operator=(const LibraryDatabase&) = delete;

    bool isOpen() const { return m_connection != nullptr; }
    const LibraryOpening& opening() const { return m_opening; }
    const std::string& path() const { return m_path; }
    sqlite3* connection() const { return m_connection; }

    // Runs statements without parameters or rows (a transaction's BEGIN and COMMIT); false on an
    // error.
    bool execute(std::string_view sql) const;
    // This connection's cache (kCacheKiB when opened); false on an error.
    bool setCacheKiB(int kib) const;

private:
    // Opens the file and makes its tables where there are none; the reason to set it aside, if any.
    LibraryOpening::Reason attempt();
    // Brings the tables of an older version up to this one in one transaction; false (and the
    // transaction rolled back) when a step failed.
    bool migrate();
    void close();
    // Renames the file and its journals aside; false when that failed.
    bool setAside(LibraryOpening::Reason reason);

    std::string m_path;
    std::chrono::milliseconds m_busyTimeout;
    sqlite3* m_connection = nullptr;
    LibraryOpening m_opening;
};

} // namespace soundlibrary
