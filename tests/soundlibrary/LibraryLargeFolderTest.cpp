// A library folder of the size a musician's collection reaches: 20,000 sounds in 100 folders, hard
// links of one short WAV so that making them costs no disk and little time.
#include "tests/soundlibrary/LibraryFolder.h"

#include "soundlibrary/LibraryCounts.h"
#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryScan.h"
#include "soundlibrary/LibrarySearch.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <tuple>

using namespace soundlibrary;

TEST(LibraryLargeFolderTest, TwentyThousandFilesAreIndexedCountedAndRescannedWithoutAWrite)
{
    constexpr int kFolders = 100;
    constexpr int kPerFolder = 200;
    const LibraryFolder folder;
    const std::string hit = folder.sound("hit.wav", 0.01);
    for (int made = 0; made < kFolders; ++made) {
        const std::string sub = folder.path("Kit " + std::to_string(made));
        std::filesystem::create_directory(sub);
        for (int file = 0; file < kPerFolder; ++file)
            std::filesystem::create_hard_link(hit, sub + "/snare " + std::to_string(file) + ".wav");
    }
    std::filesystem::remove(hit);
    constexpr std::uint64_t kFiles = std::uint64_t{kFolders} * kPerFolder;

    LibraryDatabase database(folder.indexPath());
    std::atomic<bool> cancel{false};
    std::uint64_t reports = 0;
    const ScanProgress first
        = LibraryScan(database, {folder.root()}).run(cancel, [&](const ScanProgress&) { ++reports; });
    EXPECT_EQ(std::tuple(first.finished, first.seen, first.added), std::tuple(true, kFiles, kFiles));
    // A report at least every batch, so a window or a terminal sees the scan go.
    EXPECT_GE(reports, kFiles / LibraryScan::kBatch);
    const LibraryCounts counts = LibraryCounts::of(database);
    EXPECT_EQ(std::tuple(counts.files, counts.pending), std::tuple(kFiles, kFiles));

    SearchQuery query;
    query.text = "kit 42 snare 199";
    query.limit = 1000;
    const std::vector<LibraryEntry> found = LibrarySearch(database).find(query);
    ASSERT_EQ(found.size(), 1U);
    EXPECT_EQ(found.front().path, folder.path("Kit 42/snare 199.wav"));

    const int written = sqlite3_total_changes(database.connection());
    const ScanProgress again = LibraryScan(database, {folder.root()}).run(cancel);
    EXPECT_EQ(std::tuple(again.finished, again.seen, again.added + again.changed + again.removed),
              std::tuple(true, kFiles, 0U));
    EXPECT_EQ(sqlite3_total_changes(database.connection()), written);
}
