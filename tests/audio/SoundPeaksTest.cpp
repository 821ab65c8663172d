// The searches a render makes for sound in a source (trim's edge, the onset, normalise's peak) skip
// whole silent blocks: over sources of every width, channel count and mono choice drawn at random
// (a fixed seed), their answers are those of reading every frame, and the frames read in a run are
// those read one at a time, to the bit.
#include "audio/SoundPeaks.h"
#include "audio/DecodedSound.h"
#include "audio/MonoSteps.h"
#include "tests/audio/Draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

using audio::MonoSource;
using audio::SourceRegion;

// Silence broken by a few bursts of random values, some of them only in one channel, so that blocks
// are silent, loud, or loud only for some mono choices.
audio::PcmFrames drawnSource(Draw& draw)
{
    constexpr std::uint16_t widths[] = {8, 8, 12, 16, 20, 24, 32};
    const std::uint16_t bits = widths[draw.below(std::size(widths))];
    const bool unsigned8 = bits == 8 && draw.below(2) == 0;
    audio::PcmFrames source(static_cast<std::uint16_t>(1 + draw.below(8)), bits, unsigned8, 44100.0);
    const std::uint64_t frames = draw.below(6000);
    const std::size_t frameBytes = static_cast<std::size_t>(source.m_channels) * source.m_bytesPerValue;
    source.resize(frames * frameBytes);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        for (std::size_t channel = 0; channel < source.m_channels; ++channel) {
            std::uint8_t* at = source.data() + frame * frameBytes + channel * source.m_bytesPerValue;
            std::fill_n(at, source.m_bytesPerValue, std::uint8_t{0});
            if (unsigned8) {
                at[0] = 0x80;
            }
        }
    }
    for (std::uint64_t burst = draw.below(5); burst > 0 && frames > 0; --burst) {
        const std::uint64_t first = draw.below(frames);
        const std::uint64_t last = std::min(frames, first + 1 + draw.below(300));
        const bool oneChannel = draw.below(2) == 0;
        const std::uint64_t loud = draw.below(source.m_channels);
        for (std::uint64_t frame = first; frame < last; ++frame) {
            for (std::size_t channel = 0; channel < source.m_channels; ++channel) {
                if (oneChannel && channel != loud) {
                    continue;
                }
                std::uint8_t* at = source.data() + frame * frameBytes + channel * source.m_bytesPerValue;
                const std::uint64_t value = draw.next();
                for (std::size_t byte = 0; byte < source.m_bytesPerValue; ++byte) {
                    at[byte] = static_cast<std::uint8_t>(value >> (8 * byte));
                }
            }
        }
    }
    return source;
}

std::optional<std::uint64_t> firstRead(const audio::MonoSteps& steps, SourceRegion region, double threshold, bool last)
{
    std::optional<std::uint64_t> found;
    for (std::uint64_t frame = region.first; frame < std::min(region.last, steps.frames()); ++frame) {
        if (std::abs(steps.at(frame)) > threshold && (last || !found)) {
            found = frame;
        }
    }
    return found;
}

TEST(SoundPeaks, SearchesAndPeaksAreThoseOfReadingEveryFrame)
{
    Draw draw(0x5045414B53353135);
    constexpr MonoSource monos[] = {MonoSource::Mix, MonoSource::Left, MonoSource::Right, MonoSource::Side};
    for (int source = 0; source < 60; ++source) {
        const audio::PcmFrames frames = drawnSource(draw);
        for (const MonoSource mono : monos) {
            const audio::MonoSteps steps(frames, mono);
            const audio::SoundPeaks peaks(frames, mono);
            const std::uint64_t count = steps.frames();
            std::vector<double> run(static_cast<std::size_t>(count));
            steps.into(0, run);
            for (std::uint64_t frame = 0; frame < count; ++frame) {
                ASSERT_EQ(run[frame], steps.at(frame)) << frame << " of " << frames.toString();
            }
            for (int search = 0; search < 20; ++search) {
                const std::uint64_t first = draw.below(count + 100);
                const SourceRegion region{first, first + draw.below(count + 100)};
                // Silence itself, a quiet level, or one of the source's own steps exactly.
                const double threshold = search % 3 == 0   ? 0.0
                                         : search % 3 == 1 ? 0.01
                                         : count > 0       ? std::abs(steps.at(draw.below(count)))
                                                           : 1.0;
                EXPECT_EQ(peaks.firstAbove(region, threshold), firstRead(steps, region, threshold, false));
                EXPECT_EQ(peaks.lastAbove(region, threshold), firstRead(steps, region, threshold, true));
                double peak = 0.0;
                for (std::uint64_t frame = region.first; frame < std::min(region.last, count); ++frame) {
                    peak = std::max(peak, std::abs(steps.at(frame)));
                }
                EXPECT_EQ(peaks.peak(region), peak);
            }
        }
    }
}

TEST(SoundPeaks, ACopiedSoundFindsItsOwnFramesNotThoseOfTheSoundItWasCopiedFrom)
{
    audio::DecodedSound sound;
    sound.frames = audio::PcmFrames(1, 16, false, 44100.0);
    sound.frames.resize(4000 * 2);
    sound.frames[2 * 3000 + 1] = 0x40;
    const auto onset = [](const audio::DecodedSound& held) {
        return held.peaks(MonoSource::Mix).firstAbove({0, 4000}, 1.0);
    };
    EXPECT_EQ(onset(sound), 3000u);

    audio::DecodedSound copy = sound;
    copy.frames[2 * 1000 + 1] = 0x40;
    EXPECT_EQ(onset(copy), 1000u);
    audio::DecodedSound moved = std::move(copy);
    EXPECT_EQ(onset(moved), 1000u);
    moved = sound;
    EXPECT_EQ(onset(moved), 3000u);
    EXPECT_EQ(onset(sound), 3000u);
}

} // namespace
