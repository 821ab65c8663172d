#include "model/KitProposal.h"
#include "model/KitWords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kNone = -1;

std::vector<KitFile> filesNamed(const std::vector<std::string>& names, double seconds = 0.1)
{
    std::vector<KitFile> files;
    for (const std::string& name : names)
        files.push_back({"/kits/" + name, seconds});
    return files;
}

} // namespace

TEST(KitProposalTest, NamesPointToTheSlotsTheirWordsSay)
{
    // Slots: 0 OPEN HI HAT, 1 CLOSED HI HAT, 2 CLAP, 3 RIM SHOT, 4 CRASH, 5 RIDE.
    const std::vector<std::tuple<std::string, int, std::string>> table{
        {"OHH 01.wav", 0, "ohh"},
        {"808_oh.wav", 0, "oh"},
        {"Open Hi Hat.aiff", 0, "open hat"},
        {"HiHat-Open.wav", 0, "open hat"},
        {"hihat_open_2.flac", 0, "open hat"},
        {"OpenHat.wav", 0, "open hat"},
        {"openhh.wav", 0, "openhh"},
        {"909 CHH.wav", 1, "chh"},
        {"Closed_HiHat.wav", 1, "closed hat"},
        {"hat 3.wav", 1, "hat"},
        {"HH-tight.wav", 1, "hh"},
        {"ch.wav", 1, "ch"},
        {"Hand Clap.wav", 2, "clap"},
        {"HANDCLAP.WAV", 2, "handclap"},
        {"cp02.wav", 2, "cp"},
        {"rimshot.wav", 3, "rimshot"},
        {"Rim Shot.wav", 3, "rim"},
        {"side-stick.wav", 3, "side stick"},
        {"RS_808.wav", 3, "rs"},
        {"Crash Cymbal 16in.wav", 4, "crash"},
        {"cymbal.wav", 4, "cymbal"},
        {"CR78 cr.wav", 4, "cr"},
        {"Ride Bell.wav", 5, "ride"},
        {"bell.wav", 5, "bell"},
        {"rd_dry.wav", 5, "rd"},
        // Whole words only: "ohh" is no "ch", "crash" no "cr", "chord" no "ch", "cowbell" no "bell".
        {"chord.wav", kNone, ""},
        {"cowbell.wav", kNone, ""},
        {"kick.wav", kNone, ""},
        {"ohhh.wav", kNone, ""},
        {"crashing.wav", kNone, ""},
        {"open.wav", kNone, ""},
        {"hat.txt.wav", 1, "hat"},
    };
    // The slot a name alone points to most plainly, and the word that says it.
    for (const auto& [name, slot, word] : table) {
        const std::vector<KitWords::Match> matches = KitWords::matches(name);
        EXPECT_EQ(matches.empty() ? std::pair(kNone, std::string()) : std::pair(int{matches[0].slot}, matches[0].word),
                  std::pair(slot, word))
            << name;
    }
    // The words of two take their words along: an open hat is no closed "hat" as well.
    EXPECT_EQ(KitWords::matches("open hat.wav").size(), 1u);
    EXPECT_EQ(KitWords::words("Open-HiHat_02.wav"), (std::vector<std::string>{"open", "hat"}));
    EXPECT_EQ(KitWords::words("HHOpen909.wav"), (std::vector<std::string>{"hh", "open"}));
    // A name that points to two slots: the plainer word first.
    const std::vector<KitWords::Match> ride = KitWords::matches("ride cymbal.wav");
    ASSERT_EQ(ride.size(), 2u);
    EXPECT_EQ(std::pair(ride[0].slot, ride[1].slot), (std::pair<std::uint16_t, std::uint16_t>(5, 4)));
}

TEST(KitProposalTest, TwoFilesClaimingOneSlotLeaveTheSecondItsNextChoice)
{
    // "hat open" says open hat more plainly than "hat" says closed; "hh" takes the closed slot.
    KitProposal kit = KitProposal::of(filesNamed(
        {"hat open.wav", "hh.wav", "clap.wav", "ride cymbal.wav", "crash.wav", "ride.wav", "hat.wav", "notes.wav"}));
    std::vector<std::string> paths;
    for (const auto& choice : kit.choices())
        paths.push_back(choice ? choice->file.path : "-");
    EXPECT_EQ(paths, (std::vector<std::string>{"/kits/hat open.wav", "/kits/hh.wav", "/kits/clap.wav", "-",
                                               "/kits/crash.wav", "/kits/ride.wav"}));
    EXPECT_EQ(kit.reason(0).english(), "name says 'open hat'");
    EXPECT_EQ(kit.reason(3).english(), "left as it is: no file's name says RIM SHOT");
    // "ride cymbal" lost RIDE to the plainer "ride" and CRASH to "crash"; "hat" lost to "hh".
    ASSERT_EQ(kit.unused().size(), 2u);
    EXPECT_EQ(KitProposal::unusedText(kit.unused()[0]).english(),
              "hat.wav: not used: its name says 'hat', and CLOSED HI HAT went to hh.wav");
    EXPECT_EQ(KitProposal::unusedText(kit.unused()[1]).english(),
              "ride cymbal.wav: not used: its name says 'ride', and RIDE went to ride.wav");

    // Without "crash.wav" the ride cymbal takes its second choice, and says why.
    kit = KitProposal::of(filesNamed({"ride cymbal.wav", "ride.wav"}));
    ASSERT_TRUE(kit.choices()[4]);
    EXPECT_EQ(kit.choices()[4]->file.path, "/kits/ride cymbal.wav");
    EXPECT_EQ(kit.reason(4).english(), "name says 'cymbal'; its first choice, RIDE, went to ride.wav");
}

TEST(KitProposalTest, OfTwoEquallyPlainNamesTheSoundThatFitsTheSlotWins)
{
    // CLOSED HI HAT holds 0.25 s: the longer sound, first by name, gives way to the one that fits.
    std::vector<KitFile> files{{"/kits/a hh.wav", 0.6}, {"/kits/b hh.wav", 0.2}};
    KitProposal kit = KitProposal::of(files);
    ASSERT_TRUE(kit.choices()[1]);
    EXPECT_EQ(kit.choices()[1]->file.path, "/kits/b hh.wav");
    // Both fit: the name first in order, whatever order they came in.
    files[0].seconds = 0.1;
    std::swap(files[0], files[1]);
    kit = KitProposal::of(files);
    EXPECT_EQ(kit.choices()[1]->file.path, "/kits/a hh.wav");
    EXPECT_TRUE(KitProposal::of({}).empty());
    // One name as plain for two slots takes the one it fits; the other, free, took no file from it.
    kit = KitProposal::of({{"/kits/chh clap.wav", 0.5}});
    ASSERT_TRUE(kit.choices()[2]);
    EXPECT_FALSE(kit.choices()[1]);
    EXPECT_EQ(kit.reason(2).english(), "name says 'clap'");
}

TEST(KitProposalTest, AKitTrimsEachLeadInAndFadesOutWhatTheSlotCuts)
{
    // CLOSED HI HAT holds 0.248 s: a longer sound fades over its last 24.8 ms, a shorter one keeps
    // the device's short fade at its end.
    const audio::SoundShape cut = KitProposal::shapeFor(1, {"/kits/hh.wav", 0.6});
    EXPECT_TRUE(cut.trim);
    EXPECT_NEAR(cut.fadeOut, 24.8, 0.1);
    const audio::SoundShape whole = KitProposal::shapeFor(1, {"/kits/hh.wav", 0.2});
    EXPECT_TRUE(whole.trim);
    EXPECT_EQ(whole.fadeOut, 0.0);
}

TEST(KitProposalTest, TheFirmwareBankTakesNoKit)
{
    EXPECT_TRUE(KitProposal::refusalFor(4).empty());
    EXPECT_EQ(KitProposal::refusalFor(31).english(),
              "the firmware bank's slots hold messages, not sounds: a kit fills a sound bank");
}

TEST(KitProposalTest, RandomNamesNeverShareASlotAndEachTakesAWordOfItsSlot)
{
    const std::vector<std::string> pieces{"open",   "hat",   "hh",   "ohh",    "oh",   "chh",  "ch",
                                          "closed", "hi",    "clap", "cp",     "rim",  "rs",   "side",
                                          "stick",  "crash", "cr",   "cymbal", "ride", "rd",   "bell",
                                          "kick",   "snare", "808",  "Dry",    "x",    "ohhh", "cowbell"};
    const std::vector<std::string> separators{" ", "_", "-", ".", "", "0"};
    std::mt19937 random(515);
    for (int round = 0; round < 500; ++round) {
        std::vector<std::string> names;
        const int count = std::uniform_int_distribution(0, 12)(random);
        for (int n = 0; n < count; ++n) {
            std::string name;
            const int words = std::uniform_int_distribution(1, 3)(random);
            for (int w = 0; w < words; ++w) {
                std::string piece = pieces[random() % pieces.size()];
                if (random() % 3 == 0)
                    std::transform(piece.begin(), piece.end(), piece.begin(),
                                   [](unsigned char c) { return std::toupper(c); });
                name += (w > 0 ? separators[random() % separators.size()] : "") + piece;
            }
            names.push_back(name + " " + std::to_string(n) + ".wav");
        }
        const KitProposal kit = KitProposal::of(filesNamed(names, 0.01 * static_cast<double>(random() % 100)));
        std::set<std::string> used;
        for (std::uint16_t slot = 0; slot < factory::kSoundSlotCount; ++slot) {
            const auto& choice = kit.choices()[slot];
            if (!choice) {
                // A slot left as it is: no file that was left out points to it.
                for (const KitProposal::Unused& unused : kit.unused())
                    for (const KitWords::Match& match : KitWords::matches(unused.file.path.substr(6)))
                        EXPECT_NE(match.slot, slot) << unused.file.path;
                continue;
            }
            EXPECT_TRUE(used.insert(choice->file.path).second) << choice->file.path << " in two slots";
            // The word it took is in its name, as whole words (the two of a word of two side by side).
            std::string words;
            for (const std::string& word : KitWords::words(choice->file.path))
                words += " " + word;
            words += " ";
            const std::string word = choice->match.word;
            const std::string reversed = word.find(' ') == std::string::npos
                                             ? word
                                             : word.substr(word.find(' ') + 1) + " " + word.substr(0, word.find(' '));
            EXPECT_TRUE(words.find(" " + word + " ") != std::string::npos
                        || words.find(" " + reversed + " ") != std::string::npos)
                << choice->file.path << " took " << slot << " by '" << word << "'";
            EXPECT_EQ(choice->match.slot, slot);
            // A second choice names the file that took the first, which is another.
            if (choice->firstSlot) {
                const auto& first = kit.choices()[*choice->firstSlot];
                ASSERT_TRUE(first) << choice->file.path;
                EXPECT_EQ(first->file.path, choice->firstSlotTakenBy);
                EXPECT_NE(choice->firstSlotTakenBy, choice->file.path);
            }
        }
        for (const KitProposal::Unused& unused : kit.unused())
            EXPECT_FALSE(used.contains(unused.file.path));
    }
}
