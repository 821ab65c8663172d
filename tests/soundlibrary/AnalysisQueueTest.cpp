#include "tests/soundlibrary/LibraryFolder.h"

#include "soundlibrary/AnalysisQueue.h"
#include "soundlibrary/LibraryCounts.h"
#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryScan.h"
#include "soundlibrary/LibrarySearch.h"
#include "soundlibrary/SoundAnalysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <future>
#include <tuple>

using namespace soundlibrary;

namespace {

class AnalysisQueueTest : public ::testing::Test {
protected:
    AnalysisQueueTest()
    {
        folder.sound("Claps/bright clap.wav", 0.3, [](double t) { return t < 0.1 ? 0.0 : 0.5 * std::sin(9000.0 * t); });
        folder.sound("Kicks/deep kick.wav", 0.2, LibraryFolder::sine(60.0, 0.8));
        folder.sound("Kicks/caf\xe9 kick.wav", 0.4, LibraryFolder::sine(80.0, 0.8), 2, 48000);
        folder.write("Kicks/notes.wav", {'n', 'o', 't', 'e', 's'});
        std::filesystem::create_symlink(folder.path("nowhere.wav"), folder.path("gone.wav"));
        scan();
    }

    ScanProgress scan()
    {
        LibraryScan scan(database, {folder.root()});
        return scan.run(cancel);
    }

    LibraryEntry entry(const std::string& name)
    {
        for (LibraryEntry& found : LibrarySearch(database).find(SearchQuery{}))
            if (found.name == name)
                return found;
        ADD_FAILURE() << name << " is not in the index";
        return {};
    }

    LibraryFolder folder;
    LibraryDatabase database{folder.indexPath()};
    AnalysisQueue queue{database};
    std::atomic<bool> cancel{false};
};

} // namespace

TEST_F(AnalysisQueueTest, AnalysesEachFileOnceAndCountsWhatIsNoSound)
{
    EXPECT_EQ(queue.waiting(), 4u);
    EXPECT_EQ(queue.drain(3, cancel), 3u);
    EXPECT_EQ(queue.drain(10, cancel), 1u);
    EXPECT_EQ(queue.drain(10, cancel), 0u);
    const LibraryCounts c = LibraryCounts::of(database);
    EXPECT_EQ(std::tuple(c.sounds, c.notSounds, c.unreadable, c.pending, c.notUtf8), std::tuple(3u, 1u, 1u, 0u, 1u));

    // Opened by its bytes, not by its name's stand-in.
    const LibraryEntry stereo = entry("caf\xEF\xBF\xBD kick.wav");
    EXPECT_EQ(std::tuple(stereo.utf8, stereo.kind, stereo.channels, stereo.rate),
              std::tuple(false, LibraryEntry::Kind::Sound, std::optional(2u), std::optional(48000.0)));
    ASSERT_TRUE(stereo.seconds && stereo.loudness && stereo.loudestShortTerm && stereo.peak && stereo.centroid);
    EXPECT_DOUBLE_EQ(*stereo.seconds, 0.4);

    // What analysis stored is what it finds.
    const std::string clapPath = folder.path("Claps/bright clap.wav");
    const SoundAnalysis clap = SoundAnalysis::of(clapPath);
    const LibraryEntry stored = entry("bright clap.wav");
    EXPECT_EQ(std::tuple(stored.leadIn, stored.peak, stored.centroid, stored.loudness),
              std::tuple(std::optional(clap.leadIn), std::optional(clap.peak), clap.centroid, clap.loudness));

    // A rescan of unchanged files keeps what was found.
    scan();
    EXPECT_EQ(queue.waiting(), 0u);
    EXPECT_EQ(entry("bright clap.wav").centroid, clap.centroid);
}

// Written again while it was analysed: what was found of the old file is not kept for the new one.
TEST_F(AnalysisQueueTest, AFileChangedDuringItsAnalysisWaitsForItsOwn)
{
    const std::vector<AnalysisQueue::Job> jobs = queue.next(10);
    const auto kick = std::find_if(jobs.begin(), jobs.end(),
                                   [](const AnalysisQueue::Job& job) { return job.path.ends_with("deep kick.wav"); });
    ASSERT_NE(kick, jobs.end());
    const SoundAnalysis old = SoundAnalysis::of(kick->path);
    folder.sound("Kicks/deep kick.wav", 0.6, LibraryFolder::sine(60.0, 0.8));
    EXPECT_EQ(scan().changed, 1u);
    EXPECT_TRUE(queue.store(*kick, old));
    EXPECT_EQ(entry("deep kick.wav").kind, LibraryEntry::Kind::Pending);
    queue.drain(10, cancel);
    EXPECT_DOUBLE_EQ(*entry("deep kick.wav").seconds, 0.6);

    // Changed after its analysis: analysed again.
    folder.sound("Kicks/deep kick.wav", 0.5, LibraryFolder::sine(60.0, 0.8));
    scan();
    EXPECT_EQ(queue.waiting(), 1u);
    EXPECT_FALSE(entry("deep kick.wav").seconds);
}

TEST_F(AnalysisQueueTest, StopsWhenCancelled)
{
    cancel = true;
    EXPECT_EQ(queue.drain(10, cancel), 0u);
    EXPECT_EQ(queue.waiting(), 4u);
}

// A search has the processor to itself: a paused drain analyses nothing until it may go on, then
// keeps the files it did in one write.
TEST_F(AnalysisQueueTest, APausedDrainWaitsAndTheTimeGivenEndsIt)
{
    std::atomic<bool> paused{true};
    auto draining
        = std::async(std::launch::async, [&] { return queue.drain(10, cancel, std::chrono::hours(1), &paused); });
    EXPECT_EQ(draining.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
    paused = false;
    EXPECT_EQ(draining.get(), 4u);
    EXPECT_EQ(queue.waiting(), 0u);

    // Changed again: the time given is past after the first file.
    for (const char* name : {"Kicks/deep kick.wav", "Claps/bright clap.wav"})
        folder.sound(name, 0.5, LibraryFolder::sine(60.0, 0.8));
    scan();
    EXPECT_EQ(queue.drain(10, cancel, std::chrono::milliseconds(0)), 1u);
    EXPECT_EQ(queue.waiting(), 1u);
}
