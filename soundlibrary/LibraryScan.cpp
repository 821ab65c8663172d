#include "soundlibrary/LibraryScan.h"

#include "soundlibrary/FolderWalk.h"
#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/SqlStatement.h"
#include "soundlibrary/Utf8Text.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace soundlibrary {

namespace {

// A file's row, new or of another size or time: what analysis found is dropped with the old file.
constexpr const char* kUpsert = R"sql(
INSERT INTO files(root, path, folder, name, utf8, format, size, mtime, kind) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)
ON CONFLICT(path) DO UPDATE SET root = excluded.root, folder = excluded.folder, name = excluded.name,
  utf8 = excluded.utf8, format = excluded.format, size = excluded.size, mtime = excluded.mtime,
  kind = excluded.kind, seconds = NULL, rate = NULL, channels = NULL, lead_in = NULL, peak = NULL,
  loudness = NULL, loudest_short_term = NULL, centroid = NULL, analysis = NULL
)sql";

// The kind of a row that analysis has yet to look at, and of one that cannot be read.
constexpr std::int64_t kPending = 0;
constexpr std::int64_t kUnreadable = 3;

bool under(const std::string& path, const std::vector<std::string>& folders)
{
    return std::any_of(folders.begin(), folders.end(),
                       [&path](const std::string& folder) { return path.starts_with(folder); });
}

} // namespace

LibraryScan::LibraryScan(LibraryDatabase& database, std::vector<std::string> folders)
    : m_database(database)
    , m_folders(std::move(folders))
{
    for (std::string& folder : m_folders) {
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
    }
}

ScanProgress LibraryScan::run(const std::atomic<bool>& cancel, const Report& report)
{
    m_progress = {};
    if (!m_database.isOpen()) {
        m_progress.failure = m_database.opening().systemText;
        return m_progress;
    }
    if (!forgetOtherFolders())
        return m_progress;
    for (const std::string& root : m_folders) {
        if (!scanFolder(root, root, cancel, report))
            return m_progress;
    }
    m_progress.finished = true;
    if (report)
        report(m_progress);
    return m_progress;
}

ScanProgress LibraryScan::runFolder(const std::string& folder, const std::atomic<bool>& cancel, const Report& report)
{
    m_progress = {};
    if (!m_database.isOpen()) {
        m_progress.failure = m_database.opening().systemText;
        return m_progress;
    }
    std::string within = folder;
    while (within.size() > 1 && within.back() == '/')
        within.pop_back();
    const auto root = std::find_if(m_folders.begin(), m_folders.end(), [&within](const std::string& root) {
        return within == root || within.starts_with(root + "/");
    });
    if (root != m_folders.end()) {
        std::error_code error;
        while (within != *root && !std::filesystem::is_directory(within, error))
            within = within.substr(0, within.rfind('/'));
        if (!scanFolder(*root, within, cancel, report))
            return m_progress;
    }
    m_progress.finished = true;
    return m_progress;
}

ScanProgress LibraryScan::forgetRemovedFolders()
{
    m_progress = {};
    if (!m_database.isOpen())
        m_progress.failure = m_database.opening().systemText;
    else
        m_progress.finished = forgetOtherFolders();
    return m_progress;
}

bool LibraryScan::forgetOtherFolders()
{
    SqlStatement roots(m_database.connection(), "SELECT DISTINCT root FROM files");
    std::vector<std::string> gone;
    while (roots.step()) {
        std::string root = roots.text(0);
        if (std::find(m_folders.begin(), m_folders.end(), root) == m_folders.end())
            gone.push_back(std::move(root));
    }
    if (roots.error() != SQLITE_OK)
        return failed();
    SqlStatement forget(m_database.connection(), "DELETE FROM files WHERE root = ?");
    for (const std::string& root : gone) {
        forget.bindBytes(0, root);
        if (!forget.run())
            return failed();
        m_progress.removed += static_cast<std::uint64_t>(sqlite3_changes(m_database.connection()));
    }
    return true;
}

bool LibraryScan::scanFolder(const std::string& root, const std::string& folder, const std::atomic<bool>& cancel,
                             const Report& report)
{
    if (!readKnown(root, folder))
        return false;
    const std::size_t slash = root.rfind('/');
    FolderWalk walk(folder, root.substr(slash == std::string::npos ? 0 : slash + 1) + folder.substr(root.size()));
    for (std::size_t end = root.size(); end < folder.size(); end = folder.find('/', end + 1))
        walk.enteredBefore(folder.substr(0, end));
    bool ok = true;
    const bool walked = walk.run([&](WalkedFile&& file) {
        ++m_progress.seen;
        ok = consider(std::move(file));
        if (ok && m_pending.size() >= kBatch) {
            ok = flush(root);
            if (report)
                report(m_progress);
        }
        if (cancel)
            m_progress.cancelled = true;
        return ok && !m_progress.cancelled;
    });
    m_progress.unreadable += walk.unreadable();
    m_progress.otherFiles += walk.otherFiles();
    if (!ok || !walked)
        return false;
    if (!flush(root))
        return false;
    const std::vector<std::string>& unlisted = walk.unlistedFolders();
    if (!unlisted.empty() && unlisted.front() == folder + "/")
        m_progress.missingFolders.push_back(folder);
    if (!removeUnseen(unlisted))
        return false;
    if (report)
        report(m_progress);
    return true;
}

bool LibraryScan::readKnown(const std::string& root, const std::string& folder)
{
    m_known.clear();
    SqlStatement known(m_database.connection(),
                       "SELECT path, size, mtime FROM files WHERE root = ? AND substr(path, 1, ?) = ?");
    const std::string within = folder == "/" ? folder : folder + "/";
    known.bindBytes(0, root);
    known.bind(1, static_cast<std::int64_t>(within.size()));
    known.bindBytes(2, within);
    while (known.step())
        m_known.emplace(known.text(0), Known{known.integer(1), known.integer(2), false});
    return known.error() == SQLITE_OK || failed();
}

bool LibraryScan::consider(WalkedFile&& file)
{
    if (!isUtf8(file.path))
        ++m_progress.notUtf8;
    const auto known = m_known.find(file.path);
    if (known != m_known.end()) {
        known->second.seen = true;
        if (known->second.size == file.size && known->second.mtime == file.mtime)
            return true;
        ++m_progress.changed;
    } else {
        ++m_progress.added;
    }
    m_pending.push_back(std::move(file));
    return true;
}

bool LibraryScan::flush(const std::string& root)
{
    if (m_pending.empty())
        return true;
    if (!m_database.execute("BEGIN IMMEDIATE"))
        return failed();
    SqlStatement upsert(m_database.connection(), kUpsert);
    for (const WalkedFile& file : m_pending) {
        upsert.bindBytes(0, root);
        upsert.bindBytes(1, file.path);
        upsert.bind(2, lossyUtf8(file.folder));
        upsert.bind(3, lossyUtf8(file.name));
        upsert.bind(4, std::int64_t{isUtf8(file.path)});
        upsert.bind(5, file.format);
        upsert.bind(6, file.size);
        upsert.bind(7, file.mtime);
        upsert.bind(8, file.kind == WalkedFile::Kind::Regular ? kPending : kUnreadable);
        if (!upsert.run()) {
            m_database.execute("ROLLBACK");
            return failed();
        }
    }
    m_pending.clear();
    return commit();
}

bool LibraryScan::removeUnseen(const std::vector<std::string>& unlisted)
{
    std::vector<std::string> gone;
    for (const auto& [path, known] : m_known) {
        if (!known.seen && !under(path, unlisted))
            gone.push_back(path);
    }
    for (std::size_t first = 0; first < gone.size(); first += kBatch) {
        if (!m_database.execute("BEGIN IMMEDIATE"))
            return failed();
        SqlStatement remove(m_database.connection(), "DELETE FROM files WHERE path = ?");
        for (std::size_t i = first; i < std::min(gone.size(), first + kBatch); ++i) {
            remove.bindBytes(0, gone[i]);
            if (!remove.run()) {
                m_database.execute("ROLLBACK");
                return failed();
            }
        }
        if (!commit())
            return false;
        m_progress.removed += std::min(gone.size(), first + kBatch) - first;
    }
    return true;
}

bool LibraryScan::commit()
{
    if (m_database.execute("COMMIT"))
        return true;
    failed();
    m_database.execute("ROLLBACK");
    return false;
}

bool LibraryScan::failed()
{
    m_progress.failure = sqlite3_errmsg(m_database.connection());
    return false;
}

} // namespace soundlibrary
