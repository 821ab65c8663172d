// An index written by an earlier version of the program is brought up to this one where it lies: a
// large library keeps minutes of analysis across an upgrade. One whose steps fail is set aside (LibraryDatabaseTest).
#include "tests/soundlibrary/LibraryFolder.h"

#include "soundlibrary/AnalysisQueue.h"
#include "soundlibrary/LibraryCounts.h"
#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryScan.h"
#include "soundlibrary/LibrarySearch.h"
#include "soundlibrary/SqlStatement.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <tuple>

using namespace soundlibrary;
using Outcome = LibraryOpening::Outcome;

namespace {

// The tables as version 1 of the index made them, word for word.
const char* const kVersion1Schema = R"sql(
CREATE TABLE files(
  id INTEGER PRIMARY KEY,
  root BLOB NOT NULL,
  path BLOB NOT NULL UNIQUE,
  folder TEXT NOT NULL,
  name TEXT NOT NULL,
  utf8 INTEGER NOT NULL,
  format TEXT NOT NULL,
  size INTEGER NOT NULL,
  mtime INTEGER NOT NULL,
  kind INTEGER NOT NULL DEFAULT 0,
  seconds REAL,
  rate REAL,
  channels INTEGER,
  lead_in REAL,
  peak REAL,
  loudness REAL,
  loudest_short_term REAL,
  centroid REAL
);
CREATE INDEX files_root ON files(root);
CREATE INDEX files_kind ON files(kind);
CREATE INDEX files_listed ON files(folder, name);
CREATE INDEX files_sound_seconds ON files(seconds - coalesce(lead_in, 0));
CREATE INDEX files_centroid ON files(centroid);
CREATE VIRTUAL TABLE words USING fts5(name, folder, content='files', content_rowid='id',
  tokenize='unicode61 remove_diacritics 2', prefix='1 2 3');
CREATE TRIGGER files_added AFTER INSERT ON files BEGIN
  INSERT INTO words(rowid, name, folder) VALUES (new.id, new.name, new.folder);
END;
CREATE TRIGGER files_removed AFTER DELETE ON files BEGIN
  INSERT INTO words(words, rowid, name, folder) VALUES ('delete', old.id, old.name, old.folder);
END;
CREATE TRIGGER files_renamed AFTER UPDATE OF name, folder ON files BEGIN
  INSERT INTO words(words, rowid, name, folder) VALUES ('delete', old.id, old.name, old.folder);
  INSERT INTO words(rowid, name, folder) VALUES (new.id, new.name, new.folder);
END;
)sql";

// The columns both versions share.
const char* const kVersion1Columns = "id, root, path, folder, name, utf8, format, size, mtime, kind, seconds, rate, "
                                     "channels, lead_in, peak, loudness, loudest_short_term, centroid";

// Writes a version-1 index at path holding the rows of source, an index of today's version, as the
// earlier version would have written them.
void writeVersion1(const std::string& path, const std::string& source)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    sqlite3* connection = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &connection), SQLITE_OK);
    const std::string statements = std::string("PRAGMA journal_mode=WAL; BEGIN;") + kVersion1Schema
                                   + "PRAGMA user_version=1; COMMIT; ATTACH '" + source
                                   + "' AS today; INSERT INTO files(" + kVersion1Columns + ") SELECT "
                                   + kVersion1Columns + " FROM today.files;";
    EXPECT_EQ(sqlite3_exec(connection, statements.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(connection);
    sqlite3_close(connection);
}

// Every figure of every file the search finds, in its order.
auto everything(const LibraryDatabase& database, const std::string& text = {})
{
    SearchQuery query;
    query.text = text;
    std::vector<std::tuple<std::string, std::string, LibraryEntry::Kind, std::optional<double>, std::optional<double>,
                           std::optional<unsigned>, std::optional<double>, std::optional<double>, std::optional<double>,
                           std::optional<double>>>
        rows;
    for (const LibraryEntry& entry : LibrarySearch(database).find(query))
        rows.emplace_back(entry.path, entry.name, entry.kind, entry.seconds, entry.rate, entry.channels, entry.leadIn,
                          entry.peak, entry.loudness, entry.centroid);
    return rows;
}

} // namespace

TEST(LibraryMigrationTest, AVersion1IndexKeepsEveryRowItsAnalysisAndItsSearch)
{
    const LibraryFolder folder;
    folder.sound("Kicks/deep kick.wav", 0.2, LibraryFolder::sine(60.0, 0.8));
    folder.sound("Claps/bright clap 03.wav", 0.3, [](double t) { return t < 0.1 ? 0.0 : 0.5 * std::sin(9000.0 * t); });
    folder.sound("Claps/caf\xe9 clap.wav", 0.4, LibraryFolder::sine(80.0, 0.8), 2, 48000);
    folder.write("Claps/notes.wav", {'n', 'o', 't', 'e', 's'});
    const std::string today = folder.scratch().file("today.sqlite");
    std::atomic<bool> cancel{false};
    {
        LibraryDatabase source(today);
        LibraryScan(source, {folder.root()}).run(cancel);
        // One left for the analysis after the upgrade.
        AnalysisQueue(source).drain(3, cancel);
        source.execute("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    const LibraryDatabase source(today);
    writeVersion1(folder.indexPath(), today);

    LibraryDatabase upgraded(folder.indexPath());
    ASSERT_TRUE(upgraded.isOpen());
    EXPECT_EQ(upgraded.opening().outcome, Outcome::Opened);
    EXPECT_EQ(columnOf(upgraded, "PRAGMA user_version"),
              std::vector<std::string>{std::to_string(LibraryDatabase::kSchemaVersion)});
    EXPECT_EQ(everything(upgraded), everything(source));
    EXPECT_EQ(everything(upgraded, "brig cl"), everything(source, "brig cl"));
    EXPECT_EQ(everything(upgraded, "brig cl").size(), 1U);
    EXPECT_EQ(LibraryCounts::of(upgraded).pending, 1U);

    // The analysis of version 1 stands: nothing is analysed or written again but the file left waiting.
    const ScanProgress rescan = LibraryScan(upgraded, {folder.root()}).run(cancel);
    EXPECT_EQ(std::tie(rescan.added, rescan.changed, rescan.removed), std::make_tuple(0U, 0U, 0U));
    AnalysisQueue queue(upgraded);
    EXPECT_EQ(queue.drain(10, cancel), 1U);
    EXPECT_EQ(queue.waiting(), 0U);

    // A row an older analysis filled waits for today's, and is found with its old figures meanwhile.
    ASSERT_TRUE(upgraded.execute("UPDATE files SET analysis = analysis - 1 WHERE name = 'deep kick.wav'"));
    EXPECT_EQ(queue.waiting(), 1U);
    EXPECT_EQ(everything(upgraded, "deep"), everything(source, "deep"));
    EXPECT_EQ(queue.drain(10, cancel), 1U);
    EXPECT_EQ(everything(upgraded, "deep"), everything(source, "deep"));
}
