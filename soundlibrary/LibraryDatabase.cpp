#include "soundlibrary/LibraryDatabase.h"

#include "soundlibrary/LibrarySchema.h"
#include "soundlibrary/SqlStatement.h"

#include <sqlite3.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace soundlibrary {

namespace {

using Reason = LibraryOpening::Reason;

// What an SQLite result code says about the file; None for a failure that setting it aside would
// not mend (a folder that cannot be written, a full disk).
Reason reasonOf(int result)
{
    switch (result & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return Reason::Damaged;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Reason::Locked;
    default:
        return Reason::None;
    }
}

const char* wordOf(Reason reason)
{
    switch (reason) {
    case Reason::Damaged:
        return "damaged";
    case Reason::Locked:
        return "locked";
    case Reason::Newer:
        return "newer";
    case Reason::Older:
        return "older";
    case Reason::None:
        break;
    }
    return "aside";
}

} // namespace

LibraryDatabase::LibraryDatabase(std::string path, std::chrono::milliseconds busyTimeout)
    : m_path(std::move(path))
    , m_busyTimeout(busyTimeout)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), error);
    const bool existed = std::filesystem::exists(m_path, error);
    const Reason reason = attempt();
    if (isOpen()) {
        m_opening.outcome = existed ? LibraryOpening::Outcome::Opened : LibraryOpening::Outcome::Created;
        return;
    }
    if (reason == Reason::None || !setAside(reason))
        return;
    const LibraryOpening aside = m_opening;
    attempt();
    if (isOpen())
        m_opening = {LibraryOpening::Outcome::Rebuilt, aside.reason, aside.asidePath, {}};
}

LibraryDatabase::~LibraryDatabase()
{
    close();
}

bool LibraryDatabase::execute(std::string_view sql) const
{
    return m_connection != nullptr
           && sqlite3_exec(m_connection, std::string(sql).c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool LibraryDatabase::setCacheKiB(int kib) const
{
    // A negative size counts KiB rather than pages.
    return execute("PRAGMA cache_size=-" + std::to_string(kib));
}

Reason LibraryDatabase::attempt()
{
    const int opened
        = sqlite3_open_v2(m_path.c_str(), &m_connection, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const auto failed = [this](int result) {
        const Reason reason = reasonOf(result);
        m_opening = {LibraryOpening::Outcome::Failed,
                     reason,
                     {},
                     m_connection != nullptr ? sqlite3_errmsg(m_connection) : sqlite3_errstr(result)};
        close();
        return reason;
    };
    if (opened != SQLITE_OK)
        return failed(opened);
    sqlite3_busy_timeout(m_connection, static_cast<int>(m_busyTimeout.count()));
    sqlite3_extended_result_codes(m_connection, 1);

    SqlStatement version(m_connection, "PRAGMA user_version");
    if (!version.step())
        return failed(version.error());
    const std::int64_t found = version.integer(0);
    version.reset();
    if (found > kSchemaVersion) {
        failed(SQLITE_OK);
        m_opening.reason = Reason::Newer;
        return Reason::Newer;
    }
    // Before anything else is set, so that a file whose steps fail is set aside as it was.
    if (found != 0 && found < kSchemaVersion) {
        if (!execute("BEGIN IMMEDIATE"))
            return failed(sqlite3_errcode(m_connection));
        if (!migrate()) {
            failed(SQLITE_OK);
            m_opening.reason = Reason::Older;
            return Reason::Older;
        }
    }

    // WAL lets one program write while the others read; NORMAL syncs at checkpoints only, which in
    // WAL mode loses at most the last transactions at a power cut, never the file.
    SqlStatement journal(m_connection, "PRAGMA journal_mode=WAL");
    if (!journal.step())
        return failed(journal.error());
    journal.reset();
    if (!execute("PRAGMA synchronous=NORMAL") || !setCacheKiB(kCacheKiB))
        return failed(sqlite3_errcode(m_connection));

    if (found == 0) {
        // Another program may make the tables at the same moment: the first to write wins and the
        // other finds them made.
        if (!execute("BEGIN IMMEDIATE"))
            return failed(sqlite3_errcode(m_connection));
        SqlStatement again(m_connection, "PRAGMA user_version");
        const bool made = again.step() && again.integer(0) == kSchemaVersion;
        again.reset();
        const std::string setVersion = "PRAGMA user_version=" + std::to_string(kSchemaVersion);
        if (!made && !(execute(kLibrarySchema) && execute(setVersion))) {
            // Tables there without a version are another program's: not an index of ours.
            const int error
                = sqlite3_errcode(m_connection) == SQLITE_ERROR ? SQLITE_NOTADB : sqlite3_errcode(m_connection);
            execute("ROLLBACK");
            return failed(error);
        }
        if (!execute("COMMIT"))
            return failed(sqlite3_errcode(m_connection));
    }

    SqlStatement check(m_connection, "PRAGMA quick_check(1)");
    if (!check.step())
        return failed(check.error());
    if (check.text(0) != "ok")
        return failed(SQLITE_CORRUPT);
    return Reason::None;
}

bool LibraryDatabase::migrate()
{
    static_assert(kLibraryMigrations.size() == kSchemaVersion - 1, "one step to each version after the first");
    // Another program may have brought it up meanwhile: the version is read again inside the transaction.
    SqlStatement version(m_connection, "PRAGMA user_version");
    const std::int64_t found = version.step() ? version.integer(0) : 0;
    version.reset();
    bool done = found >= 1 && found <= kSchemaVersion;
    for (std::int64_t step = found; done && step < kSchemaVersion; ++step)
        done = execute(kLibraryMigrations.at(static_cast<std::size_t>(step - 1)));
    done = done && execute("PRAGMA user_version=" + std::to_string(kSchemaVersion)) && execute("COMMIT");
    if (!done)
        execute("ROLLBACK");
    return done;
}

void LibraryDatabase::close()
{
    sqlite3_close_v2(m_connection);
    m_connection = nullptr;
}

bool LibraryDatabase::setAside(Reason reason)
{
    // library.sqlite.damaged-1765130000: the time keeps each set-aside file, should it happen again.
    const std::string aside = m_path + "." + wordOf(reason) + "-" + std::to_string(std::time(nullptr));
    if (std::rename(m_path.c_str(), aside.c_str()) != 0)
        return false;
    // A journal left beside the new file would be played into it.
    for (const char* journal : {"-wal", "-shm", "-journal"}) {
        const std::string from = m_path + journal;
        std::error_code error;
        if (std::filesystem::exists(from, error))
            std::rename(from.c_str(), (aside + journal).c_str());
    }
    m_opening.asidePath = aside;
    m_opening.reason = reason;
    return true;
}

} // namespace soundlibrary
