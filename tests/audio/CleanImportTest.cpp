#include "audio/CleanResampler.h"
#include "audio/ShapeNames.h"
#include "audio/SlotImport.h"
#include "bytes/SourceFile.h"
#include "tests/support/Bytes.h"

#include "tests/audio/ShapeSounds.h"
#include "tests/support/SoundFileFolder.h"
#include "tests/support/SoundLevel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <span>
#include <string>
#include <vector>

namespace {

using audio::Resampling;
using audio::SoundShape;
using shape_sounds::firstSound;
using shape_sounds::imported;

using shape_sounds::both;
const char* const cdQuality = "-r 44100 -c 2 -b 16";

audio::ImportResult importInto(Bytes& slot, const std::string& path, const SoundShape& options)
{
    const SourceFile source(path, audio::sourceLimit(slot.size()));
    return audio::importSlot(source.bytes(), options, slot);
}

TEST(CleanImport, DropsWhatTheDeviceRateCannotHoldAndKeepsTheRest)
{
    struct Band {
        std::string effects;
        double classicLow, classicHigh; // dB: what the classic conversion makes of it, proof of the fixture
        double cleanLow, cleanHigh;
    };
    // One second of sound fills the largest slot; levels are measured inside the slot's fade. Rounding
    // takes what the filter leaves of a band it stops below half a step, so nothing (-inf dB) is fine.
    const double nothing = -std::numeric_limits<double>::infinity();
    const Band bands[] = {
        {"synth 1 whitenoise vol 0.5 sinc 17000-21500 gain -n -3", -10.0, 3.0, nothing, -30.0},
        {"synth 1 sine 19000 gain -3", -10.0, 3.0, nothing, -30.0},
        {"synth 1 whitenoise vol 0.5 sinc 200-15000 gain -n -3", -4.0, -0.5, -0.3, 0.3},
    };
    const SoundFileFolder folder;
    for (const Band& band : bands) {
        const std::string path = folder.synth("band.wav", cdQuality, band.effects);
        const double source = sound_level::ofFile(path);
        ASSERT_GT(source, 0.05) << band.effects;
        for (const Resampling resampling : both) {
            const Bytes slot = imported(path, 32768, {.resampling = resampling});
            const double change = sound_level::changeInDecibels(source, sound_level::ofDeviceBytes(slot, 8));
            const bool clean = resampling == Resampling::Clean;
            EXPECT_GE(change, clean ? band.cleanLow : band.classicLow)
                << audio::nameOf(resampling) << ": " << band.effects;
            EXPECT_LE(change, clean ? band.cleanHigh : band.classicHigh)
                << audio::nameOf(resampling) << ": " << band.effects;
        }
    }
}

TEST(CleanImport, MixesChannelsIntoTheirTruncatedMeanAsClassicDoes)
{
    // Left and right sums that are odd and of both signs, so a rounded mean would differ.
    Bytes stereo;
    Bytes mono;
    std::uint32_t state = 12345;
    for (int frame = 0; frame < 20000; ++frame) {
        std::int16_t pair[2];
        for (std::int16_t& value : pair) {
            state = state * 1103515245 + 12345;
            value = static_cast<std::int16_t>(static_cast<int>(state >> 16) - 32768);
        }
        const auto mean = static_cast<std::int16_t>((pair[0] + pair[1]) / 2);
        for (const auto& [into, value] : {std::pair{&stereo, pair[0]}, {&stereo, pair[1]}, {&mono, mean}}) {
            into->push_back(static_cast<std::uint8_t>(value));
            into->push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) >> 8));
        }
    }
    const SoundFileFolder folder;
    const std::string stereoFile = folder.sox(stereo, "-r 44100 -c 2 -b 16 -e signed-integer", "stereo.wav");
    const std::string monoFile = folder.sox(mono, "-r 44100 -c 1 -b 16 -e signed-integer", "mono.wav");
    EXPECT_EQ(imported(stereoFile, 8192, {.resampling = Resampling::Clean}),
              imported(monoFile, 8192, {.resampling = Resampling::Clean}));
}

// A click halfway through: the linear filter rings ahead of it as much as after, the intermediate
// one less, the minimum one not at all; a phase that reached the resampler as another would tie two.
TEST(CleanImport, EachFilterPhaseRingsLessAheadOfAClickThanTheOneBefore)
{
    const std::uint64_t frames = 4000;
    const audio::StepsReader click = [](std::uint64_t first, std::span<double> block) {
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = first + i == frames / 2 ? 100.0 : 0.0;
    };
    // Where the click lands at the device rate, less the width of the filter's main lobe.
    const auto ahead = static_cast<std::ptrdiff_t>(frames / 2 * 33000 / 44100 - 3);
    std::vector<double> energy;
    for (const auto phase :
         {audio::FilterPhase::Linear, audio::FilterPhase::Intermediate, audio::FilterPhase::Minimum}) {
        const std::vector<double> out = audio::resampleSteps(frames, click, 44100.0, 33000.0, phase, 10000);
        ASSERT_GT(out.size(), static_cast<std::size_t>(ahead)) << audio::nameOf(phase);
        energy.push_back(std::inner_product(out.begin(), out.begin() + ahead, out.begin(), 0.0));
    }
    EXPECT_GT(energy[0], 10 * energy[1]);
    EXPECT_GT(energy[1], 1000 * energy[2]);
}

TEST(ImportShaping, NormaliseReachesFullScaleAndTrimStartsWithTheSound)
{
    struct Shaping {
        std::string effects;
        bool normalize, trim;
        bool fullScale;
        std::size_t soundFrom, soundBy; // where the first byte off the zero line may lie
    };
    // A 440 Hz tone at a quarter of full scale, 30 ms (990 device frames) after the file starts.
    const std::string late = "synth 0.3 sine 440 gain -12 pad 0.03";
    const Shaping cases[] = {
        {late, false, false, false, 985, 1000},
        {late, true, false, true, 985, 1000},
        {late, false, true, false, 1, 33},
        {late, true, true, true, 1, 33},
        // Silence stays silence: nothing to scale, nothing to start from.
        {"synth 0.3 sine 440 gain -200", true, true, false, 8192, 8192},
    };
    const SoundFileFolder folder;
    for (const Shaping& c : cases) {
        const std::string path = folder.synth("shaped.wav", "-r 44100 -c 1 -b 16", c.effects);
        for (const Resampling resampling : both) {
            SCOPED_TRACE(testing::Message() << audio::nameOf(resampling) << ", normalise " << c.normalize << ", trim "
                                            << c.trim << ": " << c.effects);
            const Bytes slot
                = imported(path, 8192, {.resampling = resampling, .normalize = c.normalize, .trim = c.trim});
            const auto [low, high] = std::minmax_element(slot.begin(), slot.end());
            EXPECT_EQ(*low == 0x00 || *high == 0xFF, c.fullScale) << int(*low) << " to " << int(*high);
            EXPECT_GE(firstSound(slot), c.soundFrom);
            EXPECT_LE(firstSound(slot), c.soundBy);
        }
    }
}

TEST(ImportShaping, NormaliseGivesAQuietSoundTheShapeOfTheSameSoundAtFullScale)
{
    const SoundFileFolder folder;
    const std::string loud = folder.synth("loud.wav", "-r 44100 -c 1 -b 16", "synth 0.3 sine 440 gain -1");
    for (const char* level : {"-40", "-50"}) {
        const std::string quiet
            = folder.synth("quiet.wav", "-r 44100 -c 1 -b 16", std::string("synth 0.3 sine 440 gain ") + level);
        for (const Resampling resampling : both) {
            SCOPED_TRACE(testing::Message() << audio::nameOf(resampling) << " at " << level << " dBFS");
            Bytes normalised(8192, 0x11);
            const audio::ImportResult result
                = importInto(normalised, quiet, {.resampling = resampling, .normalize = true});
            const Bytes reference = imported(loud, 8192, {.resampling = resampling});
            EXPECT_GT(sound_level::correlation(normalised, reference), 0.99);
            EXPECT_GT(result.gainDecibels, -std::stod(level) - 2.0);
            const auto [low, high] = std::minmax_element(normalised.begin(), normalised.end());
            EXPECT_TRUE(*low == 0x00 || *high == 0xFF) << int(*low) << " to " << int(*high);
        }
    }
}

TEST(ImportShaping, CleanRefusesRatesNoRecordingHasAndLeavesTheSlot)
{
    const SoundFileFolder folder;
    for (const char* rate : {"200", "9000000"}) {
        const std::string path
            = folder.synth("odd-rate.wav", std::string("-c 1 -b 16 -r ") + rate, "synth 0.1 sine 100");
        Bytes slot(8192, 0x11);
        EXPECT_FALSE(importInto(slot, path, {.resampling = Resampling::Clean})) << rate;
        EXPECT_EQ(slot, Bytes(8192, 0x11));
        EXPECT_TRUE(importInto(slot, path, {.resampling = Resampling::Classic})) << rate;
    }
}

} // namespace
