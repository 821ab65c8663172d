#include "tests/soundlibrary/LibraryFolder.h"

#include "soundlibrary/FolderWalk.h"
#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryScan.h"
#include "soundlibrary/SqlStatement.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <tuple>

using namespace soundlibrary;

namespace {

class LibraryScanTest : public ::testing::Test {
protected:
    LibraryScanTest()
    {
        folder.sound("Claps/bright clap 03.wav", 0.2);
        folder.sound("Kicks/deep kick.wav", 0.3);
        folder.sound("Kicks/Sub/boom.WAV", 0.1);
        folder.write("Kicks/notes.wav", {'n', 'o', 't', 'e', 's'});
        folder.sound("Snares/caf\xe9 snare.wav", 0.1);
        folder.write("readme.txt", {'h', 'i'});
        std::filesystem::create_symlink(folder.path("nowhere.wav"), folder.path("gone.wav"));
        // A link back up would loop.
        std::filesystem::create_directory_symlink(folder.root(), folder.path("Kicks/again"));
    }

    ScanProgress scan(std::vector<std::string> folders = {})
    {
        LibraryScan scan(database, folders.empty() ? std::vector<std::string>{folder.root()} : folders);
        return scan.run(cancel);
    }

    // Each file of the index as "folder/name kind".
    std::vector<std::string> rows() const
    {
        return columnOf(database, "SELECT folder || '/' || name || ' ' || kind FROM files ORDER BY 1");
    }

    std::int64_t sizeOf(const std::string& path) const
    {
        SqlStatement size(database.connection(), "SELECT size FROM files WHERE path = ?");
        size.bindBytes(0, path);
        return size.step() ? size.integer(0) : -1;
    }

    LibraryFolder folder;
    LibraryDatabase database{folder.indexPath()};
    std::atomic<bool> cancel{false};
};

} // namespace

TEST_F(LibraryScanTest, FindsEverySoundFileAndCountsWhatItCannotUse)
{
    const ScanProgress progress = scan();
    EXPECT_TRUE(progress.finished);
    // Kind 0: to be analysed; 3: unreadable.
    EXPECT_EQ(rows(), (std::vector<std::string>{"Drums/Claps/bright clap 03.wav 0", "Drums/Kicks/Sub/boom.WAV 0",
                                                "Drums/Kicks/deep kick.wav 0", "Drums/Kicks/notes.wav 0",
                                                "Drums/Snares/caf\xEF\xBF\xBD snare.wav 0", "Drums/gone.wav 3"}));
    // Unreadable: the broken link; other files: readme.txt.
    EXPECT_EQ(std::tuple(progress.seen, progress.added, progress.notUtf8, progress.unreadable, progress.otherFiles),
              std::tuple(6u, 6u, 1u, 1u, 1u));
    // The name that is not UTF-8 is kept as the bytes that open it.
    EXPECT_EQ(sizeOf(folder.path("Snares/caf\xe9 snare.wav")),
              static_cast<std::int64_t>(std::filesystem::file_size(folder.path("Snares/caf\xe9 snare.wav"))));
}

TEST_F(LibraryScanTest, ARescanWritesOnlyWhatChanged)
{
    scan();
    const ScanProgress unchanged = scan();
    EXPECT_EQ(std::tuple(unchanged.seen, unchanged.added, unchanged.changed, unchanged.removed),
              std::tuple(6u, 0u, 0u, 0u));

    folder.sound("Kicks/deep kick.wav", 0.4);
    const ScanProgress resized = scan();
    EXPECT_EQ(std::tuple(resized.added, resized.changed, resized.removed), std::tuple(0u, 1u, 0u));
    EXPECT_EQ(sizeOf(folder.path("Kicks/deep kick.wav")),
              static_cast<std::int64_t>(std::filesystem::file_size(folder.path("Kicks/deep kick.wav"))));

    // Same size, another time.
    const struct timespec times[2] = {{0, UTIME_OMIT}, {1'000'000'000, 5}};
    ASSERT_EQ(::utimensat(AT_FDCWD, folder.path("Claps/bright clap 03.wav").c_str(), times, 0), 0);
    const ScanProgress touched = scan();
    EXPECT_EQ(std::tuple(touched.added, touched.changed, touched.removed), std::tuple(0u, 1u, 0u));

    std::filesystem::remove(folder.path("Kicks/Sub/boom.WAV"));
    const ScanProgress removed = scan();
    EXPECT_EQ(std::tuple(removed.added, removed.changed, removed.removed), std::tuple(0u, 0u, 1u));
    EXPECT_EQ(rows().size(), 5u);
}

// A watcher reports one folder changed: that folder alone is scanned again.
TEST_F(LibraryScanTest, AFolderReportedChangedIsScannedAlone)
{
    scan();
    folder.sound("Kicks/new kick.wav", 0.1);
    folder.sound("Claps/new clap.wav", 0.1);
    std::filesystem::remove(folder.path("Kicks/deep kick.wav"));
    LibraryScan scan(database, {folder.root()});
    const ScanProgress kicks = scan.runFolder(folder.path("Kicks/"), cancel);
    // Seen: new kick, boom, notes; the link back up leads to a folder already entered.
    EXPECT_EQ(std::tuple(kicks.finished, kicks.added, kicks.removed, kicks.seen), std::tuple(true, 1u, 1u, 3u));
    const std::vector<std::string> all = rows();
    EXPECT_NE(std::find(all.begin(), all.end(), "Drums/Kicks/new kick.wav 0"), all.end());
    EXPECT_EQ(std::find(all.begin(), all.end(), "Drums/Claps/new clap.wav 0"), all.end());

    // Gone with its folder: found gone from the folder above.
    std::filesystem::remove_all(folder.path("Kicks/Sub"));
    EXPECT_EQ(scan.runFolder(folder.path("Kicks/Sub"), cancel).removed, 1u);
    EXPECT_EQ(rows().size(), 5u);

    const ScanProgress outside = scan.runFolder(folder.scratch().file("elsewhere"), cancel);
    EXPECT_EQ(outside.seen + outside.removed, 0u);
}

TEST_F(LibraryScanTest, AFolderLeftOutOfTheLibraryLeavesTheIndex)
{
    const LibraryFolder other;
    other.sound("Hats/open hat.wav", 0.1);
    scan({folder.root(), other.root()});
    EXPECT_EQ(rows().size(), 7u);
    const ScanProgress progress = scan({other.root()});
    EXPECT_EQ(progress.removed, 6u);
    EXPECT_EQ(rows(), std::vector<std::string>{"Drums/Hats/open hat.wav 0"});
}

// A disk not mounted, a folder that cannot be listed: what was known of them is kept.
TEST_F(LibraryScanTest, AFolderThatCannotBeListedKeepsItsFiles)
{
    scan();
    const std::string away = folder.scratch().file("away");
    std::filesystem::rename(folder.root(), away);
    const ScanProgress progress = scan();
    EXPECT_EQ(progress.missingFolders, std::vector<std::string>{folder.root()});
    EXPECT_EQ(progress.removed, 0u);
    EXPECT_EQ(rows().size(), 6u);
    std::filesystem::rename(away, folder.root());
    EXPECT_EQ(scan().removed, 0u);
}

TEST_F(LibraryScanTest, GoesNoDeeperThanItsBound)
{
    std::string deep;
    for (int level = 0; level <= FolderWalk::kDeepest; ++level)
        deep += "d/";
    folder.sound(deep + "too deep.wav", 0.1);
    folder.sound("d/d/d/shallow.wav", 0.1);
    scan();
    const std::vector<std::string> names = columnOf(database, "SELECT name FROM files");
    EXPECT_NE(std::find(names.begin(), names.end(), "shallow.wav"), names.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "too deep.wav"), names.end());
}

// Cancelled after its first batch, the scan leaves that batch written and the next scan goes on.
TEST_F(LibraryScanTest, CancelledBetweenBatchesKeepsWhatItWrote)
{
    for (std::size_t i = 0; i < LibraryScan::kBatch + 20; ++i)
        folder.write("Many/hit " + std::to_string(i) + ".wav", {0});
    std::size_t reports = 0;
    LibraryScan first(database, {folder.root()});
    const ScanProgress stopped = first.run(cancel, [&](const ScanProgress&) {
        ++reports;
        cancel = true;
    });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.finished);
    EXPECT_EQ(reports, 1u);
    EXPECT_EQ(rows().size(), LibraryScan::kBatch);
    cancel = false;
    const ScanProgress rest = scan();
    EXPECT_TRUE(rest.finished);
    EXPECT_EQ(rest.added, 26u);
    EXPECT_EQ(rows().size(), LibraryScan::kBatch + 26);
}

// Two programs scan the same folders into one index: the second finds the first's work done.
TEST_F(LibraryScanTest, TwoProgramsScanIntoOneIndex)
{
    LibraryDatabase other(folder.indexPath());
    LibraryScan theirs(other, {folder.root()});
    EXPECT_EQ(theirs.run(cancel).added, 6u);
    EXPECT_EQ(scan().added, 0u);
    EXPECT_EQ(rows().size(), 6u);
}
