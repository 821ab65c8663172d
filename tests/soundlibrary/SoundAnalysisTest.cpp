#include "tests/soundlibrary/LibraryFolder.h"

#include "soundlibrary/LoudnessMeter.h"
#include "soundlibrary/SoundAnalysis.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>

using namespace soundlibrary;
using Kind = LibraryEntry::Kind;

namespace {

// Silence for lead seconds, then value.
std::function<double(double)> after(double lead, const std::function<double(double)>& value)
{
    return [=](double t) { return t < lead ? 0.0 : value(t - lead); };
}

} // namespace

TEST(SoundAnalysisTest, MeasuresASineAsItWasDrawn)
{
    const LibraryFolder folder;
    // The analysis must meet libebur128 here: the machines that test have it (scripts/packages).
    ASSERT_TRUE(LoudnessMeter::available());
    for (const double amplitude : {0.5, 0.25, 0.9}) {
        const SoundAnalysis sine
            = SoundAnalysis::of(folder.sound("sine.wav", 1.0, LibraryFolder::sine(1000.0, amplitude)));
        EXPECT_EQ(sine.kind, Kind::Sound);
        EXPECT_DOUBLE_EQ(sine.seconds, 1.0);
        EXPECT_EQ(sine.rate, 44100.0);
        EXPECT_EQ(sine.channels, 1u);
        EXPECT_NEAR(sine.peak, 20.0 * std::log10(amplitude), 0.02) << amplitude;
        EXPECT_LT(sine.leadIn, 0.001);
        ASSERT_TRUE(sine.centroid);
        EXPECT_NEAR(*sine.centroid, 1000.0, 30.0);
    }
    // Below half a step of 8 bits, and below the threshold of a lead-in: a peak all the same.
    const SoundAnalysis quiet = SoundAnalysis::of(folder.sound("quiet.wav", 0.2, LibraryFolder::sine(1000.0, 0.001)));
    EXPECT_NEAR(quiet.peak, -60.0, 0.1);
    EXPECT_EQ(quiet.leadIn, quiet.seconds);
}

TEST(SoundAnalysisTest, TheLeadInIsTheSilenceBeforeTheSound)
{
    const LibraryFolder folder;
    const SoundAnalysis late
        = SoundAnalysis::of(folder.sound("late.wav", 0.5, after(0.1, LibraryFolder::sine(500.0, 0.5))));
    EXPECT_NEAR(late.leadIn, 0.1, 0.001);
    EXPECT_DOUBLE_EQ(late.seconds, 0.5);

    const SoundAnalysis silent = SoundAnalysis::of(folder.sound("silent.wav", 0.5, [](double) { return 0.0; }));
    EXPECT_EQ(silent.kind, Kind::Sound);
    EXPECT_EQ(silent.leadIn, silent.seconds);
    EXPECT_EQ(silent.peak, -INFINITY);
    EXPECT_FALSE(silent.centroid);
    ASSERT_TRUE(silent.loudness);
    EXPECT_EQ(*silent.loudness, -INFINITY);
}

TEST(SoundAnalysisTest, BrightnessRisesWithTheFrequency)
{
    const LibraryFolder folder;
    double previous = 0.0;
    for (const double hertz : {100.0, 400.0, 1500.0, 6000.0}) {
        const SoundAnalysis sine = SoundAnalysis::of(folder.sound("sine.wav", 0.3, LibraryFolder::sine(hertz, 0.5)));
        ASSERT_TRUE(sine.centroid);
        EXPECT_NEAR(*sine.centroid / hertz, 1.0, 0.05) << hertz;
        EXPECT_GT(*sine.centroid, previous);
        previous = *sine.centroid;
    }
}

// A full-scale 1 kHz sine in one channel reads -3.01 LUFS; in both, twice the power: 0 LUFS. Half
// the amplitude is 6.02 LU less, and a mono sound reads as the same sound in both channels.
TEST(SoundAnalysisTest, LoudnessFollowsEbuR128)
{
    const LibraryFolder folder;
    const auto loudness = [&](double amplitude, std::uint16_t channels, double seconds) {
        return SoundAnalysis::of(folder.sound("tone.wav", seconds, LibraryFolder::sine(1000.0, amplitude), channels));
    };
    const SoundAnalysis stereo = loudness(0.5, 2, 4.0);
    ASSERT_TRUE(stereo.loudness);
    EXPECT_NEAR(*stereo.loudness, -6.02, 0.1);
    // Longer than the 3 s of the short-term loudness, a steady tone reads the same in both.
    ASSERT_TRUE(stereo.loudestShortTerm);
    EXPECT_NEAR(*stereo.loudestShortTerm, *stereo.loudness, 0.1);
    const SoundAnalysis mono = loudness(0.5, 1, 4.0);
    EXPECT_NEAR(*mono.loudness, *stereo.loudness, 0.05);
    const SoundAnalysis quieter = loudness(0.25, 1, 4.0);
    EXPECT_NEAR(*mono.loudness - *quieter.loudness, 6.02, 0.05);
    // A hit shorter than one 400 ms block still has a loudness, measured with silence after it.
    const SoundAnalysis hit = loudness(0.5, 1, 0.1);
    ASSERT_TRUE(hit.loudness);
    EXPECT_NEAR(*hit.loudness, *mono.loudness + 10.0 * std::log10(0.1 / 0.4), 0.3);
    EXPECT_LT(*hit.loudestShortTerm, *hit.loudness);
}

TEST(SoundAnalysisTest, SaysWhatAFileIsWhenItIsNoSound)
{
    const LibraryFolder folder;
    EXPECT_EQ(SoundAnalysis::of(folder.write("notes.wav", {'n', 'o', 't', 'e', 's', '\n'})).kind, Kind::NotASound);
    EXPECT_EQ(SoundAnalysis::of(folder.path("missing.wav")).kind, Kind::Unreadable);
    EXPECT_EQ(SoundAnalysis::of(folder.root()).kind, Kind::Unreadable);
    // A FIFO without a writer: read, it would wait for ever.
    ASSERT_EQ(::mkfifo(folder.path("pipe.wav").c_str(), 0600), 0);
    EXPECT_EQ(SoundAnalysis::of(folder.path("pipe.wav")).kind, Kind::Unreadable);
}
