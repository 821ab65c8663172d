// `zylox import` and `zylox play` with the shape of a sound: what lands in the slot, several sources,
// the warning for a silent slot and the refusals. What each shape does to the sound is the audio
// suites' (SoundShapeTest, ShapePropertyTest, LongSourceTest, AnySourceTest).
#include "tests/cli/ZyloxFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class ZyloxShapeTest : public ZyloxTest {
protected:
    // The 8,192 bytes of S05's slot 1 (CLOSED HI HAT) of a bank file.
    Bytes slot(const std::string& bankFile)
    {
        EXPECT_EQ(zylox("export --bank S05 --slot 1 --in " + bankFile + " -o slot.wav"), 0) << m_err;
        return slice("slot.wav", 44, 8192);
    }
};

TEST_F(ZyloxShapeTest, StartAndEndChooseThePartOfTheSourceThatFillsTheSlot)
{
    // A tone from 0.40 s to 1 s. Where in the slot the region lands, to the frame, is
    // ShapeProperty.StartEndAndLengthAreExactToTheFrame's; here, the line names the region's length.
    ASSERT_EQ(run(kSox + " -n -r 44100 -c 2 -b 16 late.wav synth 0.6 sine 440 pad 0.4"), 0) << m_err;

    // Slot 1 holds 0.25 s; --end stops the sound at 0.1 s of it, --length says the same.
    ASSERT_EQ(zylox("import --bank S05 --slot 1 late.wav --start 0.4 --end 0.5 --resample clean -o b.mid"), 0) << m_err;
    EXPECT_EQ(m_out, "S05 slot 1 CLOSED HI HAT: late.wav, 0.10 s, padded to 0.25 s with silence (Clean)\n");
    EXPECT_EQ(m_err, "");
    const Bytes cut = slot("b.mid");
    ASSERT_EQ(zylox("import --bank S05 --slot 1 late.wav --start 0.4 --length 0.1 --resample clean -o c.mid"), 0)
        << m_err;
    EXPECT_EQ(slot("c.mid"), cut);

    // The lead-in alone: a warning that names where the sound starts, and the slot is imported all the same.
    ASSERT_EQ(zylox("import --bank S05 --slot 1 late.wav -o d.mid"), 0) << m_err;
    EXPECT_EQ(m_err, "zylox: S05 slot 1 CLOSED HI HAT: late.wav: the slot is silent: the next sound starts at 0.400 s; "
                     "--start 0.400 or --trim\n");
    EXPECT_TRUE(exists("d.mid"));
    EXPECT_EQ(zylox("import --bank S05 --slot 1 late.wav --start 25 -o e.mid"), 1);
    EXPECT_EQ(m_err, "zylox: S05 slot 1 CLOSED HI HAT: late.wav: --start 25 is past the end of the 1.0 s file\n");
    EXPECT_FALSE(exists("e.mid"));
}

TEST_F(ZyloxShapeTest, ShapeOptionsChangeTheSlotAsTheEditorsShapeDoes)
{
    ASSERT_EQ(run(kSox + " -n -r 44100 -c 2 -b 16 tone.wav synth 1 sine 1000 sine 1000 remix 1 2v0 gain -6"), 0)
        << m_err;
    ASSERT_EQ(zylox("import --bank S05 --slot 1 tone.wav --mono left -o left.mid"), 0) << m_err;
    ASSERT_EQ(zylox("import --bank S05 --slot 1 tone.wav --mono right -o right.mid"), 0) << m_err;
    EXPECT_EQ(m_err, "zylox: S05 slot 1 CLOSED HI HAT: tone.wav: the slot is silent: the right channel holds no sound "
                     "above -48 dBFS; "
                     "--mono mix takes its sound\n");
    const Bytes left = slot("left.mid");
    EXPECT_GT(*std::max_element(left.begin(), left.end()), 0xB8);

    ASSERT_EQ(zylox("import --bank S05 --slot 1 tone.wav --mono left --gain -6.02 --pitch 12 --fade-in 5 --fade-out 20 "
                    "--resample clean --dither shaped --phase minimum --limit -1 --dc --reverse --trim-threshold -40 "
                    "-o all.mid"),
              0)
        << m_err;
    const Bytes all = slot("all.mid");
    EXPECT_NEAR(*std::max_element(all.begin(), all.end()) - 0x80, 32, 6); // -12 dBFS, shaped noise on top
    EXPECT_EQ(all.back(), 0x80);
}

TEST_F(ZyloxShapeTest, FitStretchKeepsThePitchAndABareFitBeforeTheSourceStillFitsByPitch)
{
    // Two seconds of 1 kHz into CRASH's 32,768 bytes (0.993 s). That the stretch keeps the pitch and
    // the fit by pitch raises it, the words of each line and a stretch out of reach are StretchFitTest's
    // and SoundShapeTest's; here, the words that choose each.
    ASSERT_EQ(run(kSox + " -n -r 44100 -c 1 -b 16 tone.wav synth 2 sine 1000 gain -6"), 0) << m_err;
    ASSERT_EQ(zylox("import --bank S05 --slot 4 --fit stretch tone.wav -o stretched.mid"), 0) << m_err;
    EXPECT_EQ(m_out, "S05 slot 4 CRASH: tone.wav, 0.99 s, fills the slot exactly, stretched to 0.496 times its "
                     "length (Classic)\n");
    ASSERT_EQ(zylox("import --bank S05 --slot 4 tone.wav --fit=Stretch -o same.mid"), 0) << m_err;
    EXPECT_EQ(read("same.mid"), read("stretched.mid"));

    // A bare --fit takes no source for its word, and fits by pitch, as it always did.
    ASSERT_EQ(zylox("import --bank S05 --slot 4 --fit tone.wav -o raised.mid"), 0) << m_err;
    EXPECT_EQ(m_out, "S05 slot 4 CRASH: tone.wav, 0.99 s, fills the slot exactly at +12.12 semitones (Classic)\n");
    ASSERT_EQ(zylox("import --bank S05 --slot 4 --fit pitch tone.wav -o pitched.mid"), 0) << m_err;
    EXPECT_EQ(read("pitched.mid"), read("raised.mid"));
    EXPECT_NE(read("raised.mid"), read("stretched.mid"));
}

TEST_F(ZyloxShapeTest, SeveralSourcesFillConsecutiveSlotsOrNothingIsWritten)
{
    ASSERT_EQ(run(kSox + " -n -r 44100 -c 1 -b 16 a.wav synth 0.1 sine 300 && cp a.wav b.wav && cp a.wav c.wav"), 0)
        << m_err;
    ASSERT_EQ(zylox("import --bank S05 --slot 2 a.wav b.wav c.wav -o three.mid"), 0) << m_err;
    EXPECT_EQ(rows(),
              (std::vector<std::string>{"S05 slot 2 CLAP: a.wav, 0.10 s, padded to 0.74 s with silence (Classic)",
                                        "S05 slot 3 RIM SHOT: b.wav, 0.10 s, padded to 0.25 s with silence (Classic)",
                                        "S05 slot 4 CRASH: c.wav, 0.10 s, padded to 0.99 s with silence (Classic)"}));
    ASSERT_EQ(zylox("info --in three.mid"), 0) << m_err;
    EXPECT_TRUE(
        rows()[4].ends_with("\tCLAP\ta.wav\t24576\tRIM SHOT\tb.wav\t8192\tCRASH\tc.wav\t32768\tRIDE\tRIDE\t32768"));

    EXPECT_EQ(zylox("import --bank S05 --slot 4 a.wav b.wav c.wav -o four.mid"), 2);
    EXPECT_EQ(m_err, "zylox: 3 sources need slots 4 to 6, but bank S05 has slots 0 to 5\n");
    EXPECT_EQ(zylox("import --bank S05 --slot 1 a.wav missing.wav -o four.mid"), 1);
    EXPECT_FALSE(exists("four.mid"));
}

TEST_F(ZyloxShapeTest, OutOfRangeValuesAndMisfitCombinationsAreRefusedNamingTheRange)
{
    ASSERT_EQ(run(kSox + " -n -r 44100 -c 1 -b 16 a.wav synth 0.1 sine 300"), 0) << m_err;
    const std::pair<std::string, std::string> refusals[] = {
        {"--pitch 24.5", "--pitch: 24.5 is outside -24 to +24 semitones"},
        {"--gain -60", "--gain: -60 is outside -48 to +48 dB"},
        {"--fade-in 1200", "--fade-in: 1200 is outside 0 to 1000 ms"},
        {"--limit 3", "--limit: 3 is outside -96 to 0 dBFS"},
        {"--trim-threshold -100", "--trim-threshold: -100 is outside -96 to 0 dBFS"},
        {"--start -1", "--start: -1 is outside 0 to 3600 seconds"},
        {"--dither shaped", "zylox: --phase and --dither choose how the clean conversion works: add --resample clean"},
        {"--resample classic --phase minimum",
         "zylox: --phase and --dither choose how the clean conversion works: add --resample clean"},
        {"--start 0.3 --end 0.2", "zylox: --end 0.20 is not after --start 0.30"},
        {"--fit --pitch 3", "--pitch excludes --fit"},
        {"--fit=tempo", "--fit: tempo is neither pitch nor stretch"},
        {"--end 1 --length 1", "--end excludes --length"},
        {"--mono centre", "--mono: Check centre value in {"},
        {"--dither loud --resample clean", "--dither: loud not in {none,tpdf,shaped}"},
    };
    for (const auto& [options, message] : refusals) {
        EXPECT_EQ(zylox("import --bank S05 --slot 1 a.wav -o x.mid " + options), 2) << options;
        EXPECT_NE(m_err.find(message), std::string::npos) << options << ": " << m_err;
        EXPECT_EQ(zylox("play --bank S05 --slot 1 a.wav " + options), 2) << options;
    }
    EXPECT_FALSE(exists("x.mid"));
}

} // namespace
