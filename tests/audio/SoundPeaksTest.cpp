// The searches a render makes for sound in a source (trim's edge, the onset, normalise's peak) skip
// whole silent blocks: over sources of every width, channel count and mono choice drawn at random
// (a fixed seed), their answers are those of reading every frame; and the steps, read from the frames
// or kept as one whole number a frame, one at a time or in runs, are those the values make, to the bit.
#include "audio/SoundPeaks.h"
#include "audio/DecodedSound.h"
#include "audio/MonoSteps.h"
#include "tests/audio/Draw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
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
    // Unsigned 8-bit silence is 0x80, signed silence of any width all zeros.
    source.resize(frames * frameBytes, unsigned8 ? 0x80 : 0x00);
    for (std::uint64_t burst = draw.below(5); burst > 0 && frames > 0; --burst) {
        const std::uint64_t first = draw.below(frames);
        const std::uint64_t last = std::min(frames, first + 1 + draw.below(300));
        const bool oneChannel = draw.below(2) == 0;
        const std::uint64_t loud = draw.below(source.m_channels);
        for (std::uint64_t frame = first; frame < last; ++frame) {
            for (std::size_t channel = 0; channel < source.m_channels; ++channel) {
                if (oneChannel && channel != loud)
                    continue;
                std::uint8_t* at = source.data() + frame * frameBytes + channel * source.m_bytesPerValue;
                const std::uint64_t value = draw.next();
                for (std::size_t byte = 0; byte < source.m_bytesPerValue; ++byte)
                    at[byte] = static_cast<std::uint8_t>(value >> (8 * byte));
            }
        }
    }
    return source;
}

// A frame's step as the frames' values make it in doubles, one after the other: the mean of every
// channel, one channel, or half the difference of the first two.
double stepOfValues(const audio::PcmFrames& frames, MonoSource mono, std::uint64_t frame)
{
    const double step = std::ldexp(1.0, 8 - static_cast<int>(frames.m_bitsPerValue));
    const auto value = [&](std::uint16_t channel) { return static_cast<double>(frames.getValue(frame, channel)); };
    switch (mono) {
    case MonoSource::Left:
        return value(0) * step;
    case MonoSource::Right:
        return value(1) * step;
    case MonoSource::Side:
        return frames.m_channels < 2 ? 0.0 : (value(0) - value(1)) / 2.0 * step;
    case MonoSource::Mix:
        break;
    }
    double sum = 0.0;
    for (std::uint16_t channel = 0; channel < frames.m_channels; ++channel)
        sum += value(channel);
    return sum / frames.m_channels * step;
}

// Steps read from the frames at every call and steps kept, one at a time and in runs, are the
// values' own, to the bit.
void expectStepsOfValues(const audio::PcmFrames& frames, MonoSource mono)
{
    const audio::MonoSteps read(frames, mono);
    const audio::MonoSteps kept(frames, mono, audio::MonoSteps::Keeping::Kept);
    ASSERT_EQ(kept.frames(), read.frames());
    const std::uint64_t count = read.frames();
    const std::uint64_t first = count / 3;
    std::vector<double> readRun(static_cast<std::size_t>(count - first));
    std::vector<double> keptRun(readRun.size());
    read.into(first, readRun);
    kept.into(first, keptRun);
    for (std::uint64_t frame = 0; frame < count; ++frame) {
        const double expected = stepOfValues(frames, mono, frame);
        ASSERT_EQ(read.at(frame), expected) << frame << " of " << frames.toString();
        ASSERT_EQ(kept.at(frame), expected) << frame << " of " << frames.toString();
        if (frame >= first) {
            ASSERT_EQ(readRun[frame - first], expected) << frame << " of " << frames.toString();
            ASSERT_EQ(keptRun[frame - first], expected) << frame << " of " << frames.toString();
        }
    }
}

TEST(SoundPeaks, SearchesAndPeaksAreThoseOfReadingEveryFrame)
{
    Draw draw(0x5045414B53353135);
    constexpr MonoSource monos[] = {MonoSource::Mix, MonoSource::Left, MonoSource::Right, MonoSource::Side};
    for (int source = 0; source < 60; ++source) {
        const audio::PcmFrames frames = drawnSource(draw);
        for (const MonoSource mono : monos) {
            expectStepsOfValues(frames, mono);
            const audio::MonoSteps steps(frames, mono);
            const audio::SoundPeaks peaks(frames, mono);
            const std::uint64_t count = steps.frames();
            for (int search = 0; search < 20; ++search) {
                const std::uint64_t from = draw.below(count + 100);
                const SourceRegion region{from, from + draw.below(count + 100)};
                // Silence itself, a quiet level, or one of the source's own steps exactly.
                const double threshold = search % 3 == 0   ? 0.0
                                         : search % 3 == 1 ? 0.01
                                         : count > 0       ? std::abs(steps.at(draw.below(count)))
                                                           : 1.0;
                std::optional<std::uint64_t> first;
                std::optional<std::uint64_t> last;
                double peak = 0.0;
                for (std::uint64_t frame = region.first; frame < std::min(region.last, count); ++frame) {
                    peak = std::max(peak, std::abs(steps.at(frame)));
                    if (std::abs(steps.at(frame)) > threshold) {
                        first = first.value_or(frame);
                        last = frame;
                    }
                }
                EXPECT_EQ(peaks.firstAbove(region, threshold), first);
                EXPECT_EQ(peaks.lastAbove(region, threshold), last);
                EXPECT_EQ(peaks.peak(region), peak);
            }
        }
    }
}

// Where the kept whole numbers reach their limit: every value at the bottom or the top of its width,
// with the most channels a mix may keep and one more.
TEST(SoundPeaks, KeptStepsAreTheValuesOwnAtFullScale)
{
    struct Layout {
        std::uint16_t bits;
        std::uint16_t channels;
    };
    constexpr Layout layouts[] = {{8, 12}, {16, 6}, {16, 65535}, {24, 4}, {24, 256}, {24, 257}, {32, 3}};
    for (const Layout layout : layouts) {
        for (const bool unsigned8 : {false, true}) {
            if (unsigned8 && layout.bits != 8)
                continue;
            audio::PcmFrames frames(layout.channels, layout.bits, unsigned8, 44100.0);
            const std::size_t width = frames.m_bytesPerValue;
            frames.resize(4 * layout.channels * width);
            // Frames at the bottom, the top, alternating, and the bottom again but for the last channel.
            for (std::size_t frame = 0; frame < 4; ++frame) {
                for (std::size_t channel = 0; channel < layout.channels; ++channel) {
                    const bool top = frame == 1 || (frame == 2 && channel % 2 == 0)
                                     || (frame == 3 && channel + 1 == layout.channels);
                    std::uint8_t* at = frames.data() + (frame * layout.channels + channel) * width;
                    std::fill_n(at, width, static_cast<std::uint8_t>(top ? 0xFF : 0x00));
                    at[width - 1] = unsigned8 ? (top ? 0xFF : 0x00) : (top ? 0x7F : 0x80);
                }
            }
            for (const MonoSource mono : {MonoSource::Mix, MonoSource::Left, MonoSource::Right, MonoSource::Side}) {
                SCOPED_TRACE(std::to_string(layout.bits) + " bits, " + std::to_string(layout.channels) + " channels");
                expectStepsOfValues(frames, mono);
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
