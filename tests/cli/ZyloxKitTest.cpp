// `zylox loudness` and `zylox kit` run as a user would: what each prints and the bank file it
// leaves. Which file a slot takes and the gains that match the slots are the model and sound
// library suites' (KitProposalTest, LoudnessMatchTest, SlotLoudnessTest).
#include "tests/cli/ZyloxFixture.h"

#include <gtest/gtest.h>

#include <string>

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
    EXPECT_EQ(zylox("loudness --bank S06 --in a.mid"), 1);
    EXPECT_EQ(m_out, "");
}

} // namespace
