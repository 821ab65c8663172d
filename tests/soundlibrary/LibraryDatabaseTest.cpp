#include "tests/soundlibrary/LibraryFolder.h"
#include "tests/support/ScratchFolder.h"

#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryLocation.h"
#include "soundlibrary/SqlStatement.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

using namespace soundlibrary;
using Outcome = LibraryOpening::Outcome;
using Reason = LibraryOpening::Reason;

namespace {

// A row in the index, so that a rebuilt one shows it was made anew.
void addRow(const LibraryDatabase& database, const std::string& path)
{
    SqlStatement add(database.connection(),
                     "INSERT INTO files(root, path, folder, name, utf8, format, size, mtime) VALUES ('/', ?, '', ?, 1, "
                     "'wav', 1, 1)");
    add.bindBytes(0, path);
    add.bind(1, path);
    ASSERT_TRUE(add.run());
}

std::int64_t rowCount(const LibraryDatabase& database)
{
    SqlStatement count(database.connection(), "SELECT count(*) FROM files");
    return count.step() ? count.integer(0) : -1;
}

} // namespace

TEST(LibraryDatabaseTest, IsMadeOnceAndKeptAcrossOpenings)
{
    const LibraryFolder folder;
    {
        const LibraryDatabase database(folder.indexPath());
        ASSERT_TRUE(database.isOpen());
        EXPECT_EQ(database.opening().outcome, Outcome::Created);
        addRow(database, "/a.wav");
    }
    const LibraryDatabase again(folder.indexPath());
    EXPECT_EQ(again.opening().outcome, Outcome::Opened);
    EXPECT_EQ(rowCount(again), 1);
    SqlStatement journal(again.connection(), "PRAGMA journal_mode");
    ASSERT_TRUE(journal.step());
    EXPECT_EQ(journal.text(0), "wal");
}

// Garbage, a newer layout, another program's tables, damaged pages, an older layout whose steps up fail:
// each file is set aside whole, bytes unchanged, and a fresh index of today's layout takes its place.
TEST(LibraryDatabaseTest, AFileItCannotUseIsSetAsideAndAFreshOneMade)
{
    const auto versioned = [](const std::string& path, int version) {
        const LibraryDatabase database(path);
        addRow(database, "/old.wav");
        database.execute("PRAGMA user_version=" + std::to_string(version));
    };
    const std::vector<std::pair<Reason, std::function<void(const std::string&)>>> cases{
        {Reason::Damaged,
         [](const std::string& path) {
             std::filesystem::create_directories(std::filesystem::path(path).parent_path());
             std::ofstream(path) << std::string(5000, 'x');
         }},
        {Reason::Newer, [&](const std::string& path) { versioned(path, LibraryDatabase::kSchemaVersion + 1); }},
        // Tables of some other program, without a version.
        {Reason::Damaged, [&](const std::string& path) { versioned(path, 0); }},
        // The first page whole, the others overwritten (a disk's bad sector, a copy cut short and
        // padded): its pages do not check out.
        {Reason::Damaged,
         [](const std::string& path) {
             {
                 const LibraryDatabase database(path);
                 database.execute("BEGIN");
                 for (int i = 0; i < 300; ++i)
                     addRow(database, "/sounds/kick " + std::to_string(i) + ".wav");
                 database.execute("COMMIT; PRAGMA wal_checkpoint(TRUNCATE)");
             }
             std::vector<std::uint8_t> bytes = ScratchFolder::read(path);
             ASSERT_GT(bytes.size(), 8192u);
             std::fill(bytes.begin() + 4096, bytes.end(), 0x5A);
             ScratchFolder::writeFile(path, bytes);
         }},
        // Claims version 1 but holds no table the steps can change.
        {Reason::Older,
         [](const std::string& path) {
             std::filesystem::create_directories(std::filesystem::path(path).parent_path());
             sqlite3* connection = nullptr;
             ASSERT_EQ(sqlite3_open(path.c_str(), &connection), SQLITE_OK);
             ASSERT_EQ(
                 sqlite3_exec(connection, "CREATE TABLE notes(x); PRAGMA user_version=1", nullptr, nullptr, nullptr),
                 SQLITE_OK);
             sqlite3_close(connection);
         }},
    };
    for (const auto& [reason, make] : cases) {
        const LibraryFolder folder;
        make(folder.indexPath());
        const std::vector<std::uint8_t> before = ScratchFolder::read(folder.indexPath());
        const LibraryDatabase database(folder.indexPath());
        ASSERT_TRUE(database.isOpen());
        EXPECT_EQ(database.opening().outcome, Outcome::Rebuilt);
        EXPECT_EQ(database.opening().reason, reason);
        EXPECT_EQ(ScratchFolder::read(database.opening().asidePath), before);
        EXPECT_EQ(columnOf(database, "PRAGMA user_version"),
                  std::vector<std::string>{std::to_string(LibraryDatabase::kSchemaVersion)});
        EXPECT_EQ(rowCount(database), 0);
        addRow(database, "/new.wav");
        EXPECT_EQ(rowCount(database), 1);
    }
}

// Another program holds the file in an exclusive lock past the wait.
TEST(LibraryDatabaseTest, AFileLockedPastTheWaitIsSetAside)
{
    const LibraryFolder folder;
    std::filesystem::create_directories(std::filesystem::path(folder.indexPath()).parent_path());
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(folder.indexPath().c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "PRAGMA locking_mode=EXCLUSIVE; CREATE TABLE t(x); BEGIN EXCLUSIVE;", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    {
        const LibraryDatabase database(folder.indexPath(), std::chrono::milliseconds(0));
        ASSERT_TRUE(database.isOpen());
        EXPECT_EQ(database.opening().outcome, Outcome::Rebuilt);
        EXPECT_EQ(database.opening().reason, Reason::Locked);
        addRow(database, "/new.wav");
    }
    // The holder keeps the file it had, renamed, and loses nothing.
    EXPECT_EQ(sqlite3_exec(holder, "INSERT INTO t VALUES (1); COMMIT;", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(holder);
}

TEST(LibraryDatabaseTest, AFolderThatCannotHoldItFailsWithTheSystemsWords)
{
    const LibraryFolder folder;
    folder.write("file", {1, 2, 3});
    const LibraryDatabase database(folder.path("file/library.sqlite"));
    EXPECT_FALSE(database.isOpen());
    EXPECT_EQ(database.opening().outcome, Outcome::Failed);
    EXPECT_EQ(database.opening().reason, Reason::None);
    EXPECT_FALSE(database.opening().systemText.empty());
    EXPECT_EQ(ScratchFolder::read(folder.path("file")), (std::vector<std::uint8_t>{1, 2, 3}));
}

// Two editors at once: one writes while the other reads, and a writer that finds the other writing
// waits for it rather than failing or setting the shared file aside.
TEST(LibraryDatabaseTest, TwoProgramsShareOneIndex)
{
    const LibraryFolder folder;
    const LibraryDatabase first(folder.indexPath());
    const LibraryDatabase second(folder.indexPath(), std::chrono::milliseconds(0));
    EXPECT_EQ(second.opening().outcome, Outcome::Opened);
    ASSERT_TRUE(first.execute("BEGIN IMMEDIATE"));
    addRow(first, "/a.wav");
    EXPECT_EQ(rowCount(second), 0);
    EXPECT_FALSE(second.execute("BEGIN IMMEDIATE"));
    ASSERT_TRUE(first.execute("COMMIT"));
    EXPECT_EQ(rowCount(second), 1);
    const LibraryDatabase third(folder.indexPath(), std::chrono::milliseconds(0));
    EXPECT_EQ(third.opening().outcome, Outcome::Opened);
    EXPECT_EQ(rowCount(third), 1);
}

TEST(LibraryDatabaseTest, LivesInTheUsersCache)
{
    EXPECT_EQ(libraryDatabasePath("/c", "/h"), "/c/zylox/library.sqlite");
    EXPECT_EQ(libraryDatabasePath(nullptr, "/h"), "/h/.cache/zylox/library.sqlite");
    EXPECT_EQ(libraryDatabasePath("relative", "/h"), "/h/.cache/zylox/library.sqlite");
    EXPECT_EQ(libraryDatabasePath(nullptr, nullptr), "");
}
