// `zylox loudness` and `zylox kit` run as a user would: what each prints and the bank file it
// leaves. Which file a slot takes and the gains that match the slots are the model and sound
// library suites' (KitProposalTest, LoudnessMatchTest, SlotLoudnessTest).
#include "tests/cli/ZyloxFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

class ZyloxKitTest : public ZyloxTest { };

TEST_F(ZyloxKitTest, LoudnessListsEachSlotOfTheBankAsTheDevicePlaysIt)
{
    // A 1 kHz tone at -12 dBFS fills CLAP; RIDE is silenced by a tone below half a step.
    ASSERT_EQ(run(kSox + " -n -r 44100 -c 1 -b 16 tone.wav synth 1 sine 997 vol -12 dB && " + kSox
                  + " -n -r 44100 -c 1 -b 16 hush.wav synth 1 sine 997 vol -60 dB"),
              0)
        << m_err;
    ASSERT_EQ(zylox("import --bank S05 --slot CLAP tone.wav -o a.mid"), 0) << m_err;
    ASSERT_EQ(zylox("import --bank S05 --slot RIDE hush.wav --in a.mid -o a.mid"), 0) << m_err;
    ASSERT_EQ(zylox("loudness --bank S05 --in a.mid"), 0) << m_err;
    const std::vector<std::string> lines = rows();
    ASSERT_EQ(lines.size(), 6u) << m_out;
    // Classic conversion truncates towards the zero line: a little under the source's -12 LUFS.
    const std::string clap = "S05 slot 2 CLAP: tone.wav: ";
    ASSERT_EQ(lines[2].rfind(clap, 0), 0u) << lines[2];
    EXPECT_EQ(lines[2].substr(lines[2].size() - 5), " LUFS");
    EXPECT_NEAR(std::stod(lines[2].substr(clap.size())), -12.0, 0.3) << lines[2];
    EXPECT_EQ(lines[5], "S05 slot 5 RIDE: hush.wav: silent");
    EXPECT_EQ(lines[0].rfind("S05 slot 0 OPEN HI HAT: OPEN HI HAT: -", 0), 0u) << lines[0];

    EXPECT_EQ(zylox("loudness --bank FW"), 2);
    EXPECT_EQ(m_err, "zylox: --bank FW: the firmware bank's slots hold messages, not sounds\n");
}

TEST_F(ZyloxKitTest, KitFillsTheSlotsTheNamesSayAndMatchesTheirLoudness)
{
    // Sounds of their own levels; a file no slot's word names, one that is no sound, and a crash in a
    // folder inside, which the kit does not look into.
    ASSERT_EQ(run("mkdir -p kit/alt && cd kit && " + kSox
                  + " -n -r 44100 -c 1 -b 16 'OHH 01.wav' synth 1.2 pinknoise vol -6 dB && " + kSox
                  + " -n -r 44100 -c 1 -b 16 chh.wav synth 0.1 pinknoise vol -3 dB pad 0.05 && " + kSox
                  + " -n -r 44100 -c 2 -b 16 Clap.wav synth 0.3 whitenoise vol -20 dB && " + kSox
                  + " -n -r 44100 -c 1 -b 16 'ride cymbal.wav' synth 2 sine 3000 vol -10 dB && " + kSox
                  + " -n -r 44100 -c 1 -b 16 ride.wav synth 0.5 sine 5000 vol -1 dB && cp chh.wav kick.wav && cp "
                    "chh.wav hat.wav"
                  + " && echo notes > clap.txt && cp ride.wav alt/crash.wav"),
              0)
        << m_err;
    ASSERT_EQ(zylox("kit kit --bank S05 --dry-run"), 0) << m_err;
    EXPECT_FALSE(exists("kit.mid"));
    const std::vector<std::string> lines = rows();
    ASSERT_EQ(lines.size(), 6u) << m_out;
    // Which file each slot takes, and why, is KitProposalTest's; here, the line a slot's choice makes,
    // with the lead-in trimmed as a kit shapes every slot, and a slot left as it is.
    EXPECT_EQ(lines[1], "S05 slot 1 CLOSED HI HAT: chh.wav (name says 'chh'), 0.10 s, padded to 0.25 s with silence "
                        "(Classic, 0.05 s of silence trimmed)");
    EXPECT_EQ(lines[3], "S05 slot 3 RIM SHOT: left as it is: no file's name says RIM SHOT");
    EXPECT_EQ(m_err, "zylox: hat.wav: not used: its name says 'hat', and CLOSED HI HAT went to chh.wav\n");
    // Its lines are all a dry run gives: lost, they are no success.
    EXPECT_EQ(zylox("kit kit --bank S05 --dry-run >/dev/full"), 1);
    EXPECT_TRUE(m_err.ends_with("\nzylox: standard output: cannot be written\n")) << m_err;

    ASSERT_EQ(zylox("kit kit --bank S05 -o kit.mid --match-loudness"), 0) << m_err;
    ASSERT_EQ(zylox("loudness --bank S05 --in kit.mid"), 0) << m_err;
    // In tenths, as printed: the difference of two figures read as doubles may be a hair over 0.3.
    std::vector<long> tenths;
    for (const std::string& line : rows()) {
        if (line.rfind("S05 slot 3", 0) == 0)
            continue;
        tenths.push_back(std::lround(10 * std::stod(line.substr(line.rfind(": ") + 2))));
    }
    ASSERT_EQ(tenths.size(), 5u) << m_out;
    // Printed to a tenth: each within the match's 0.1 LU of the target, so within 0.3 of each other.
    EXPECT_LE(*std::max_element(tenths.begin(), tenths.end()) - *std::min_element(tenths.begin(), tenths.end()), 3)
        << m_out;

    EXPECT_EQ(zylox("kit kit --bank FW -o fw.mid"), 2);
    EXPECT_EQ(m_err,
              "zylox: --bank FW: the firmware bank's slots hold messages, not sounds: a kit fills a sound bank\n");
    EXPECT_EQ(zylox("kit kit/alt/.. --bank S05 -o none.mid --match-loudness -80"), 2);
    // A folder whose name reads as a figure, given after the option, is the kit's folder all the same.
    ASSERT_EQ(run("cp -r kit 808"), 0);
    ASSERT_EQ(zylox("kit --bank S05 --dry-run --match-loudness 808"), 0) << m_err;
    EXPECT_EQ(rows().size(), 6u) << m_out;
    ASSERT_EQ(run(std::string("cd 808 && ") + ZYLOX_PROGRAM + " kit --bank S05 --dry-run --match-loudness ."), 0)
        << m_err;
    EXPECT_EQ(rows().size(), 6u) << m_out;
    EXPECT_FALSE(exists("fw.mid"));
}

TEST_F(ZyloxKitTest, KitTakesTheFilesNamedAndSaysWhichItLeavesOut)
{
    ASSERT_EQ(run("mkdir -p a b && " + kSox + " -n -r 44100 -c 1 -b 16 a/chh.wav synth 0.1 pinknoise vol -3 dB && "
                  + kSox + " -n -r 44100 -c 1 -b 16 b/Clap.wav synth 0.3 whitenoise vol -20 dB && cp a/chh.wav "
                  + "a/kick.wav && echo notes > b/clap.txt && cp a/chh.wav a/ride.wav"),
              0)
        << m_err;
    // Named twice, a file is one; the loudness's target left out takes the first file back.
    ASSERT_EQ(zylox("kit --match-loudness a/chh.wav b/Clap.wav a/kick.wav b/clap.txt a/chh.wav --bank S05 -o k.mid"), 0)
        << m_err;
    const std::vector<std::string> lines = rows();
    ASSERT_EQ(lines.size(), 6u) << m_out;
    EXPECT_EQ(lines[1].rfind("S05 slot 1 CLOSED HI HAT: chh.wav (name says 'chh'), 0.10 s", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("S05 slot 2 CLAP: Clap.wav (name says 'clap'), 0.30 s", 0), 0u) << lines[2];
    EXPECT_EQ(lines[5], "S05 slot 5 RIDE: left as it is: no file's name says RIDE") << "a/ride.wav was not named";
    EXPECT_EQ(m_err, "zylox: kick.wav: not used: its name says no slot's word (as ohh, chh, clap, rim, crash or "
                     "ride)\nzylox: clap.txt: not used: it is no sound file that can be read\n");
    EXPECT_TRUE(exists("k.mid"));

    EXPECT_EQ(zylox("kit a/kick.wav b/clap.txt --bank S05 -o none.mid"), 1);
    EXPECT_NE(m_err.find("zylox: kit: no sound file's name here says which slot it is for"), std::string::npos)
        << m_err;
    EXPECT_EQ(zylox("kit a/chh.wav a/gone.wav --bank S05 -o none.mid"), 1);
    EXPECT_EQ(m_err, "zylox: a/gone.wav: No such file or directory\n");
    EXPECT_EQ(zylox("kit a/chh.wav b --bank S05 -o none.mid"), 2);
    EXPECT_EQ(m_err, "zylox: kit: b is a folder: name one folder, or the sound files\n");
    // The bank file's name forgotten after -o: a sound the kit is made of would become the bank file.
    const Bytes chh = read("a/chh.wav");
    const Bytes kick = read("a/kick.wav");
    EXPECT_EQ(zylox("kit a/*.wav b/Clap.wav --bank S05 -o a/chh.wav"), 2);
    EXPECT_EQ(m_err,
              "zylox: kit: -o a/chh.wav is one of the kit's sound files: name the bank file to write after -o\n");
    EXPECT_EQ(zylox("kit a --bank S05 -o ./a/chh.wav"), 2);
    EXPECT_EQ(zylox("kit a/chh.wav b/Clap.wav a/kick.wav --bank S05 -o a/kick.wav"), 2);
    EXPECT_EQ(read("a/chh.wav"), chh);
    EXPECT_EQ(read("a/kick.wav"), kick);
    EXPECT_FALSE(exists("none.mid"));
}

} // namespace
