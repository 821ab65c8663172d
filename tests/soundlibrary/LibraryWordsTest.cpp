// What zylox prints of the sound library: the issue's own lines, a count of one in its own words,
// and every fact that has something to say saying it.
#include "soundlibrary/LibraryWords.h"
#include "soundlibrary/LibraryCounts.h"
#include "soundlibrary/LibraryFoldersFailure.h"
#include "soundlibrary/LibraryOpening.h"
#include "soundlibrary/ScanProgress.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace soundlibrary;

TEST(LibraryWordsTest, SaysWhyTheIndexWasMadeAnewAndWhereTheOldOneIsKept)
{
    using Outcome = LibraryOpening::Outcome;
    using Reason = LibraryOpening::Reason;
    const std::string aside = "/c/zylox/library.sqlite.damaged-1765130000";
    EXPECT_EQ(openingText({Outcome::Rebuilt, Reason::Damaged, aside, {}}, "/c/zylox/library.sqlite").english(),
              "The sound library's index was damaged and is being made anew; the old file is kept as " + aside);
    std::set<std::string> said;
    for (const Reason reason : {Reason::Damaged, Reason::Locked, Reason::Newer, Reason::Older}) {
        const std::string english = openingText({Outcome::Rebuilt, reason, aside, {}}, "").english();
        EXPECT_TRUE(english.ends_with("the old file is kept as " + aside)) << english;
        said.insert(english);
    }
    EXPECT_EQ(said.size(), 4U) << "each reason is told apart";
    EXPECT_EQ(
        openingText({Outcome::Failed, Reason::None, {}, "unable to open database file"}, "/c/library.sqlite").english(),
        "The sound library is off: its index /c/library.sqlite could not be opened (unable to open database file)");
    EXPECT_TRUE(openingText({Outcome::Opened, Reason::None, {}, {}}, "/c").empty());
    EXPECT_TRUE(openingText({Outcome::Created, Reason::None, {}, {}}, "/c").empty());
}

TEST(LibraryWordsTest, TellsTheScanAsItGoesAndWhatItFound)
{
    ScanProgress progress;
    progress.seen = 1234;
    EXPECT_EQ(scanningText(progress).english(), "Scanning the sound library: 1,234 files");
    progress.added = 12;
    progress.changed = 3;
    progress.removed = 2;
    EXPECT_EQ(scanEndText(progress).english(), "Sound library: 1,234 files, 12 new, 3 changed, 2 removed");
    progress.unreadable = 1;
    progress.notUtf8 = 2;
    progress.missingFolders = {"/media/usb/Drums", "/mnt/old"};
    EXPECT_EQ(scanEndText(progress).english(),
              "Sound library: 1,234 files, 12 new, 3 changed, 2 removed; 1 file could not be read; 2 names not UTF-8; "
              "2 library folders could not be read: /media/usb/Drums, /mnt/old");
    ScanProgress one;
    one.seen = 1;
    one.added = 1;
    one.cancelled = true;
    one.failure = "database or disk is full";
    EXPECT_EQ(scanningText(one).english(), "Scanning the sound library: 1 file");
    EXPECT_EQ(scanEndText(one).english(), "Sound library scan stopped at 1 file, 1 new, 0 changed, 0 removed; the "
                                          "index could not be written (database or disk is full), so the scan stopped");
}

TEST(LibraryWordsTest, CountsSayOnlyWhatNeedsSaying)
{
    EXPECT_TRUE(countsText(LibraryCounts{.files = 5000, .sounds = 5000}).empty());
    const LibraryCounts counts{.files = 400, .pending = 340, .sounds = 56, .unreadable = 2, .notUtf8 = 1};
    EXPECT_EQ(countsText(counts).english(), "2 files could not be read; 1 name not UTF-8; 340 files still to analyse");
    EXPECT_EQ(countsText(LibraryCounts{.files = 1, .pending = 1}).english(), "1 file still to analyse");
    EXPECT_EQ(countsText(LibraryCounts{.files = 3, .notSounds = 3}).english(), "3 files are not sounds");
}

// Every failure of the list has its own words, naming what it is about.
TEST(LibraryWordsTest, EachFailureOfTheFolderListSaysWhatAndWhich)
{
    using Kind = LibraryFoldersFailure::Kind;
    std::set<std::string> said;
    for (int kind = static_cast<int>(Kind::Missing); kind <= static_cast<int>(Kind::ListUnwritable); ++kind) {
        LibraryFoldersFailure failure{static_cast<Kind>(kind), "/f", "/l", "/list", 2, FileFailure::fromErrno(28)};
        const std::string english = failure.text().english();
        EXPECT_TRUE(said.insert(english).second) << english;
        const bool named = english.find("/f") != std::string::npos || english.find("/list") != std::string::npos;
        EXPECT_EQ(named, static_cast<Kind>(kind) != Kind::NoHome) << english;
    }
    EXPECT_TRUE(LibraryFoldersFailure{}.text().empty());
}
