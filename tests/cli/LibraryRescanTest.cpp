// `zylox library rescan` stopped by Ctrl+C part way: the signal ends it between two batches with the
// status of an interrupted command, and the index it leaves is one the next rescan finishes.
#include "tests/soundlibrary/LibraryFolder.h"

#include "cli/LibraryRescan.h"
#include "soundlibrary/LibraryCounts.h"
#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

TEST(LibraryRescanTest, CtrlCStopsBetweenBatchesAndLeavesAnIndexTheNextRescanFinishes)
{
    const LibraryFolder folder;
    const std::string hit = folder.sound("hit.wav", 0.01);
    constexpr std::uint64_t kFiles = 1200;
    std::filesystem::create_directory(folder.path("Hats"));
    for (std::uint64_t file = 0; file < kFiles; ++file)
        std::filesystem::create_hard_link(hit, folder.path("Hats/hat " + std::to_string(file) + ".wav"));
    std::filesystem::remove(hit);
    const std::string config = folder.scratch().file("config");
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    ::setenv("XDG_CACHE_HOME", folder.scratch().file("cache").c_str(), 1);
    ASSERT_FALSE(soundlibrary::LibraryFolders::load(config + "/zylox/library-folders").add(folder.root()));

    std::vector<std::string> shown;
    const int status = LibraryRescan([&shown](const std::string& line) {
                           shown.push_back(line);
                           // The user presses Ctrl+C as the first batch is reported.
                           if (shown.size() == 1)
                               std::raise(SIGINT);
                       }).run();
    EXPECT_EQ(status, 130);
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown.front(), "Scanning the sound library: 500 files");

    shown.clear();
    EXPECT_EQ(LibraryRescan([&shown](const std::string& line) { shown.push_back(line); }).run(), 0);
    // Then every file waits for its analysis.
    EXPECT_NE(std::find(shown.begin(), shown.end(), "1,200 files still to analyse"), shown.end());
    const soundlibrary::LibraryDatabase index(folder.indexPath());
    const soundlibrary::LibraryCounts counts = soundlibrary::LibraryCounts::of(index);
    EXPECT_EQ(std::tuple(counts.files, counts.sounds, counts.pending), std::tuple(kFiles, kFiles, 0U));
    // The signal is the program's own again.
    struct sigaction now { };
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}
