// The library's threads as the window drives them: keys typed while a search runs abandon it, so
// only the rows of the last search arrive, whole; and an editor closed while its library is being
// scanned stops every thread at once, leaving an index of whole batches.
#include "WaitUntil.h"

#include "app/library/LibraryIndex.h"
#include "soundlibrary/LibraryScan.h"
#include "tests/soundlibrary/LibraryFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace soundlibrary;

void writeHits(const LibraryFolder& folder, std::size_t count)
{
    for (std::size_t hit = 0; hit < count; ++hit)
        folder.write("Hits/hit " + std::to_string(hit) + ".wav", {0});
}

TEST(LibraryIndexTest, OnlyTheRowsOfTheLastSearchArriveInChunksThatEndThem)
{
    const LibraryFolder folder;
    const std::size_t files = 3 * LibraryIndex::kChunkRows + 7;
    writeHits(folder, files);
    LibraryIndex index(folder.indexPath(), nullptr);
    bool scanned = false;
    QObject::connect(&index, &LibraryIndex::scanned, [&](const ScanProgress& progress) {
        EXPECT_EQ(progress.failure, "");
        scanned = scanned || progress.finished;
    });
    index.scan({folder.root()});
    waitUntil([&] { return scanned; });

    struct Chunk {
        unsigned search;
        std::size_t rows;
        bool first;
        bool last;
    };
    std::vector<Chunk> chunks;
    QObject::connect(&index, &LibraryIndex::found,
                     [&](unsigned search, const std::vector<LibraryEntry>& rows, bool first, bool last) {
                         chunks.push_back({search, rows.size(), first, last});
                     });
    SearchQuery query;
    query.limit = files;
    unsigned last = 0;
    // Typed faster than any search ends: each key abandons the search before it.
    for (const char* typed : {"h", "hi", "hit", "hit 1", "hit"}) {
        query.text = typed;
        last = index.search(query);
    }
    waitUntil([&] { return !chunks.empty() && chunks.back().last; });
    std::size_t rows = 0;
    for (std::size_t chunk = 0; chunk < chunks.size(); ++chunk) {
        EXPECT_EQ(chunks[chunk].search, last);
        EXPECT_EQ(chunks[chunk].first, chunk == 0);
        EXPECT_EQ(chunks[chunk].last, chunk + 1 == chunks.size());
        EXPECT_LE(chunks[chunk].rows, LibraryIndex::kChunkRows);
        rows += chunks[chunk].rows;
    }
    EXPECT_EQ(rows, files);

    // Nothing found is one chunk, first and last at once.
    chunks.clear();
    query.text = "snare";
    last = index.search(query);
    waitUntil([&] { return !chunks.empty(); });
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0].search, last);
    EXPECT_EQ(chunks[0].rows, 0u);
    EXPECT_TRUE(chunks[0].first && chunks[0].last);
}

TEST(LibraryIndexTest, ClosedWhileScanningItStopsBetweenBatchesAndLeavesThemWhole)
{
    const LibraryFolder folder;
    const std::size_t files = 4 * LibraryScan::kBatch;
    writeHits(folder, files);
    {
        LibraryIndex index(folder.indexPath(), nullptr);
        bool going = false;
        QObject::connect(&index, &LibraryIndex::scanned, [&](const ScanProgress&) { going = true; });
        index.scan({folder.root()});
        waitUntil([&] { return going; });
    }
    const LibraryDatabase database(folder.indexPath());
    ASSERT_TRUE(database.isOpen());
    SqlStatement count(database.connection(), "SELECT count(*) FROM files");
    ASSERT_TRUE(count.step());
    const auto indexed = static_cast<std::size_t>(count.integer(0));
    EXPECT_GE(indexed, LibraryScan::kBatch);
    EXPECT_EQ(indexed % LibraryScan::kBatch, 0u) << indexed;
}

} // namespace
