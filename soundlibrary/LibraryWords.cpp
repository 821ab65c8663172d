#include "soundlibrary/LibraryWords.h"

#include "soundlibrary/LibraryCounts.h"
#include "soundlibrary/LibraryOpening.h"
#include "soundlibrary/ScanProgress.h"

#include <cstdint>
#include <vector>

namespace soundlibrary {

namespace {

long long counted(std::uint64_t value)
{
    return static_cast<long long>(value);
}

// A text that counts, its count the first argument.
Text countedText(TextSource source, std::uint64_t value, std::vector<TextArgument> more = {})
{
    std::vector<TextArgument> arguments{TextArgument::count(counted(value))};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return {source, std::move(arguments), counted(value)};
}

// The facts one after the other, each in full: "2 files could not be read; 1 name not UTF-8".
Text listed(const std::vector<Text>& facts)
{
    Text all;
    for (const Text& fact : facts) {
        if (fact.empty())
            continue;
        //: Two facts of the sound library one after the other
        all = all.empty() ? fact : Text(ZYLOX_TR("LibraryWords", "%1; %2"), {all, fact});
    }
    return all;
}

Text unreadableText(std::uint64_t unreadable)
{
    if (unreadable == 0)
        return {};
    return countedText(ZYLOX_TR_N("LibraryWords", "%1 files could not be read", "%1 file could not be read"),
                       unreadable);
}

Text notUtf8Text(std::uint64_t notUtf8)
{
    if (notUtf8 == 0)
        return {};
    //: File names whose bytes are not UTF-8: they are kept, but searched by a stand-in
    return countedText(ZYLOX_TR_N("LibraryWords", "%1 names not UTF-8", "%1 name not UTF-8"), notUtf8);
}

Text missingFoldersText(const std::vector<std::string>& missing)
{
    if (missing.empty())
        return {};
    std::string names;
    for (const std::string& folder : missing)
        names += (names.empty() ? "" : ", ") + folder;
    //: How many library folders could not be listed, then their paths
    return countedText(ZYLOX_TR_N("LibraryWords", "%1 library folders could not be read: %2",
                                  "%1 library folder could not be read: %2"),
                       missing.size(), {names});
}

} // namespace

Text openingText(const LibraryOpening& opening, const std::string& indexPath)
{
    using Outcome = LibraryOpening::Outcome;
    using Reason = LibraryOpening::Reason;
    if (opening.outcome == Outcome::Failed)
        //: The index file, then the system's or SQLite's reason
        return {ZYLOX_TR("LibraryWords", "The sound library is off: its index %1 could not be opened (%2)"),
                {indexPath, TextArgument::systemText(opening.systemText)}};
    if (opening.outcome != Outcome::Rebuilt)
        return {};
    const TextArgument aside = opening.asidePath;
    switch (opening.reason) {
    case Reason::Locked:
        //: The path the old index file was renamed to
        return {ZYLOX_TR("LibraryWords", "The sound library's index was locked by another program and is being made "
                                         "anew; the old file is kept as %1"),
                {aside}};
    case Reason::Newer:
        return {ZYLOX_TR("LibraryWords", "The sound library's index was written by a newer version of this program "
                                         "and is being made anew; the old file is kept as %1"),
                {aside}};
    case Reason::Older:
        return {ZYLOX_TR("LibraryWords", "The sound library's index of an older version could not be brought up to "
                                         "date and is being made anew; the old file is kept as %1"),
                {aside}};
    case Reason::Damaged:
    case Reason::None:
        break;
    }
    return {ZYLOX_TR("LibraryWords",
                     "The sound library's index was damaged and is being made anew; the old file is kept as %1"),
            {aside}};
}

Text scanningText(const ScanProgress& progress)
{
    return countedText(
        ZYLOX_TR_N("LibraryWords", "Scanning the sound library: %1 files", "Scanning the sound library: %1 file"),
        progress.seen);
}

Text scanEndText(const ScanProgress& progress)
{
    const std::vector<TextArgument> changes{TextArgument::count(counted(progress.added)),
                                            TextArgument::count(counted(progress.changed)),
                                            TextArgument::count(counted(progress.removed))};
    Text counts;
    if (progress.cancelled)
        //: Files found before the user stopped the scan, then how many were new, changed and gone
        counts = countedText(ZYLOX_TR_N("LibraryWords",
                                        "Sound library scan stopped at %1 files, %2 new, %3 changed, %4 removed",
                                        "Sound library scan stopped at %1 file, %2 new, %3 changed, %4 removed"),
                             progress.seen, changes);
    else
        //: Files found, then how many of them were new, changed, and how many were gone
        counts = countedText(ZYLOX_TR_N("LibraryWords", "Sound library: %1 files, %2 new, %3 changed, %4 removed",
                                        "Sound library: %1 file, %2 new, %3 changed, %4 removed"),
                             progress.seen, changes);
    Text failure;
    if (!progress.failure.empty())
        //: SQLite's reason the index could not be written
        failure = {ZYLOX_TR("LibraryWords", "the index could not be written (%1), so the scan stopped"),
                   {TextArgument::systemText(progress.failure)}};
    return listed({counts, unreadableText(progress.unreadable), notUtf8Text(progress.notUtf8),
                   missingFoldersText(progress.missingFolders), failure});
}

Text indexUnwritableText(const std::string& systemText)
{
    //: SQLite's reason
    return {ZYLOX_TR("LibraryWords", "the sound library's index could not be written (%1)"),
            {TextArgument::systemText(systemText)}};
}

Text countsText(const LibraryCounts& counts)
{
    Text notSounds;
    if (counts.notSounds != 0)
        //: Files named as sounds that no decoder reads
        notSounds = countedText(ZYLOX_TR_N("LibraryWords", "%1 files are not sounds", "%1 file is not a sound"),
                                counts.notSounds);
    Text pending;
    if (counts.pending != 0)
        pending = countedText(ZYLOX_TR_N("LibraryWords", "%1 files still to analyse", "%1 file still to analyse"),
                              counts.pending);
    return listed({unreadableText(counts.unreadable), notSounds, notUtf8Text(counts.notUtf8), pending});
}

} // namespace soundlibrary
