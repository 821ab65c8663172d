#include "tests/soundlibrary/LibraryFolder.h"

#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryScan.h"
#include "soundlibrary/LibrarySearch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

using namespace soundlibrary;

// The window scans on a thread of its own while the user searches: each with its own connection.
// A search never fails or waits for the scan, and sees each batch whole or not at all.
TEST(LibraryThreadsTest, ASearchDuringAScanSeesWholeBatches)
{
    const LibraryFolder folder;
    const std::size_t files = 2 * LibraryScan::kBatch + 100;
    for (std::size_t i = 0; i < files; ++i)
        folder.write("Hits/hit " + std::to_string(i) + ".wav", {0});
    LibraryDatabase searching(folder.indexPath());
    std::atomic<bool> done{false};
    std::thread scanning([&] {
        LibraryDatabase database(folder.indexPath());
        std::atomic<bool> cancel{false};
        EXPECT_EQ(LibraryScan(database, {folder.root()}).run(cancel).added, files);
        done = true;
    });
    LibrarySearch search(searching);
    SearchQuery query;
    query.text = "hit";
    query.limit = files;
    std::set<std::size_t> seen;
    bool last = false;
    while (!last) {
        last = done;
        const std::vector<LibraryEntry> found = search.find(query);
        ASSERT_EQ(search.failure(), "");
        seen.insert(found.size());
    }
    scanning.join();
    for (const std::size_t count : seen)
        EXPECT_TRUE(count % LibraryScan::kBatch == 0 || count == files) << count;
    EXPECT_EQ(*seen.rbegin(), files);
}
