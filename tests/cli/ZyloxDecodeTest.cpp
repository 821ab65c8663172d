// Sound files at the edges of decoding as zylox meets them: cut short, padded, damaged past what a
// parser would survive. Each either goes in saying what it holds, or is refused in one line that
// names the slot and the file.
#include "tests/cli/ZyloxFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

TEST_F(ZyloxTest, AFileCutShortKeepsWhatItHoldsAndSaysSoInItsLine)
{
    ASSERT_EQ(run(kSox + " -n -r 44100 -c 1 -b 16 tone.flac synth 1 sine 300 && head -c 5000 tone.flac >cut.flac && "
                  + kSox + " tone.flac -e floating-point -b 32 float.wav && head -c 20000 float.wav >cut.wav"),
              0)
        << m_err;
    ASSERT_EQ(zylox("import --bank S05 --slot CLAP cut.flac -o flac.mid"), 0) << m_err;
    // Not the header's second: what the file holds, and why it is no more.
    EXPECT_TRUE(m_out.starts_with("S05 slot 2 CLAP: cut.flac, 0.")) << m_out;
    EXPECT_TRUE(m_out.ends_with(" s, padded to 0.74 s with silence (Classic); the file is damaged or cut short\n"))
        << m_out;
    EXPECT_EQ(m_err, "");
    ASSERT_EQ(zylox("import --bank S05 --slot CLAP cut.wav -o wav.mid"), 0) << m_err;
    EXPECT_EQ(m_out, "S05 slot 2 CLAP: cut.wav, 0.11 s, padded to 0.74 s with silence (Classic); the file is damaged "
                     "or cut short\n");
    ASSERT_EQ(zylox("import --bank S05 --slot CLAP tone.flac -o whole.mid"), 0) << m_err;
    EXPECT_EQ(m_out, "S05 slot 2 CLAP: tone.flac, 1.00 s, cut to 0.74 s (Classic)\n");
}

TEST_F(ZyloxTest, AnMp3AfterZeroPaddingDecodesAndADamagedWavIsRefusedAtOnceNamingItsSlot)
{
    ASSERT_EQ(run(kSox
                  + " -n -r 44100 -c 1 -b 16 tone.mp3 synth 0.5 sine 300 && (head -c 2000 /dev/zero; cat tone.mp3) "
                    ">padded.mp3"),
              0)
        << m_err;
    ASSERT_EQ(zylox("import --bank S05 --slot 1 tone.mp3 -o plain.mid"), 0) << m_err;
    const std::string plain = m_out;
    ASSERT_EQ(zylox("import --bank S05 --slot 1 padded.mp3 -o padded.mid"), 0) << m_err;
    EXPECT_EQ(m_out, "S05 slot 1 CLOSED HI HAT: padded" + plain.substr(plain.find(".mp3, 0.")));
    ASSERT_EQ(zylox("export --bank S05 --slot 1 --in plain.mid -o plain.wav && " ZYLOX_PROGRAM
                    " export --bank S05 --slot 1 --in padded.mid -o padded.wav"),
              0)
        << m_err;
    EXPECT_EQ(read("padded.wav"), read("plain.wav"));

    // A float WAV whose LIST sub-chunk claims nearly 4 GB: libsndfile's parser never returned from it.
    Bytes damaged{'R', 'I', 'F', 'F', 149, 0,    0,    0,   'W', 'A',  'V',  'E', 'f', 'm', 't',  ' ',  16,   0,   0,
                  0,   3,   0,   1,   0,   0x44, 0xAC, 0,   0,   0x10, 0xB1, 2,   0,   4,   0,    32,   0,    'L', 'I',
                  'S', 'T', 36,  0,   0,   0,    'I',  'N', 'F', 'O',  'I',  'K', 'E', 'Y', 0xF8, 0xFF, 0xFF, 0xFF};
    damaged.resize(damaged.size() + 24, 'x');
    const Bytes data{'d', 'a', 't', 'a', 60, 0, 0, 0};
    damaged.insert(damaged.end(), data.begin(), data.end());
    damaged.resize(damaged.size() + 60, 0);
    m_folder.write("list.wav", damaged);
    EXPECT_EQ(zylox("import --bank S05 --slot 1 list.wav -o list.mid"), 1);
    EXPECT_EQ(m_err,
              "zylox: S05 slot 1 CLOSED HI HAT: list.wav: could not be decoded: the file is damaged or cut short\n");
    EXPECT_FALSE(exists("list.mid"));
}

TEST_F(ZyloxTest, AnMp3HitWhoseHeaderStatesTheEncodersDelaySoundsInTheSlotWhenItsWavDoes)
{
    // A burst of noise 0.2 s in; the VBR encoding states its delay and padding in a LAME tag.
    ASSERT_EQ(run(kSox + " -D -R -n -r 48000 -c 2 -b 16 hat.wav synth 0.03 whitenoise gain -3 pad 0.2 0.2 && " + kSox
                  + " -D -R hat.wav -C -2 hat.mp3"),
              0)
        << m_err;
    for (const char* name : {"hat.wav", "hat.mp3"}) {
        ASSERT_EQ(zylox(std::string("import --bank S05 --slot 1 ") + name + " -o " + name
                        + ".mid && " ZYLOX_PROGRAM " export --bank S05 --slot 1 --in " + name + ".mid -o " + name
                        + ".slot.wav"),
                  0)
            << m_err;
    }
    // Both lines say the source's 0.43 s; both slots' hits start at 0.2 s, within 0.1 ms (the
    // encoding's pre-echo) where a 23 ms flam was heard.
    ASSERT_EQ(zylox("import --bank S05 --slot 1 hat.mp3 -o again.mid"), 0) << m_err;
    EXPECT_EQ(m_out, "S05 slot 1 CLOSED HI HAT: hat.mp3, 0.43 s, cut to 0.25 s (Classic)\n");
    const auto onset = [this](const std::string& name) {
        const Bytes wave = read(name);
        return std::find_if(wave.begin() + 44, wave.end(),
                            [](std::uint8_t byte) { return std::abs(byte - 0x80) >= 16; })
               - (wave.begin() + 44);
    };
    EXPECT_NEAR(onset("hat.wav.slot.wav"), 0.2 * 33000, 3);
    EXPECT_NEAR(onset("hat.mp3.slot.wav"), onset("hat.wav.slot.wav"), 3);
}

} // namespace
