// Sound files of any rate, width and channel count fill a slot as a 44.1 kHz stereo file does, read
// as the programs read them: only the part of the file the slot needs.
#include "audio/ShapeNames.h"
#include "audio/SlotImport.h"
#include "tests/support/Bytes.h"

#include "tests/audio/ShapeSounds.h"
#include "tests/support/SoundFileFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using audio::Resampling;
using audio::SoundShape;
using shape_sounds::imported;
using shape_sounds::peak;
using shape_sounds::soundBytes;
using shape_sounds::soundEnd;

TEST(AnySource, FillsTheSlotAsA44kHzStereoFileDoesFromItsStartOrFromWithin)
{
    const SoundFileFolder folder;
    constexpr std::size_t slotLength = 4096; // 0.12 s of the 0.45 s files
    const char* const formats[]
        = {"-r 44100 -c 2 -b 16", "-r 192000 -c 2 -b 24", "-r 176400 -c 2 -b 24",
           "-r 96000 -c 8 -b 24", "-r 384000 -c 8 -b 32", "-r 384000 -c 8 -b 32 -e floating-point",
           "-r 8000 -c 1 -b 8",   "-r 48000 -c 6 -b 16",  "-r 22050 -c 3 -b 32 -e floating-point"};
    for (const char* format : formats) {
        const std::string path = folder.synth("source.wav", format, "synth 0.45 sine 300 gain -3");
        for (const Resampling resampling : shape_sounds::both) {
            for (const double start : {0.0, 0.3}) {
                SCOPED_TRACE(std::string(format) + ", " + std::string(audio::nameOf(resampling)) + ", start "
                             + std::to_string(start));
                const Bytes slot = imported(path, slotLength, {.resampling = resampling, .start = start});
                // The tone runs to the slot's end (its last bytes are the device's fade) and its
                // level is the source's, however wide the source.
                EXPECT_GE(soundEnd(slot), slotLength - 8);
                EXPECT_GE(soundBytes(slot), slotLength * 97 / 100);
                EXPECT_NEAR(peak(slot), 90, 2);
            }
        }
        // The whole of a long region fits, as fit or as trim finds it.
        const Bytes fitted = imported(path, slotLength, {.end = 0.45, .fit = true});
        EXPECT_GE(soundEnd(fitted), slotLength - 8) << format;
    }
}

TEST(AnySource, MonoTakesTheFirstTwoChannelsOfAMultichannelFileAndMixAllOfThem)
{
    const SoundFileFolder folder;
    // Six channels: a tone in the first, silence in the second, a louder tone in the third alone.
    const std::string path
        = folder.synth("six.wav", "-r 48000 -c 6 -b 16",
                       "synth 0.5 sine 300 sine 300 sine 500 sine 500 sine 500 sine 500 remix 1v0.5 2v0 3 0 0 0");
    for (const Resampling resampling : shape_sounds::both) {
        const Bytes left = imported(path, 8192, {.resampling = resampling, .mono = audio::MonoSource::Left});
        const Bytes right = imported(path, 8192, {.resampling = resampling, .mono = audio::MonoSource::Right});
        const Bytes mix = imported(path, 8192, {.resampling = resampling, .mono = audio::MonoSource::Mix});
        EXPECT_NEAR(peak(left), 64, 2);
        EXPECT_EQ(peak(right), 0);
        // The mean of six channels, one at half and one at full scale: a quarter of the third's level
        // at most.
        EXPECT_GT(peak(mix), 22);
        EXPECT_LT(peak(mix), 34);
    }
}

} // namespace
