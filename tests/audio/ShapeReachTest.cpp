// Shapes on sources outside the common case, measured in the slot: a reversed region longer than
// the slot, a fit at the ends of its range.
#include "audio/SlotRender.h"
#include "tests/audio/ShapeSounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using audio::Resampling;
using audio::SoundShape;
using shape_sounds::firstSound;
using shape_sounds::render;
using shape_sounds::soundEnd;

constexpr Resampling both[] = {Resampling::Classic, Resampling::Clean};

// A 10 ms hit of 1 kHz at -3 dBFS at `at` seconds into silence, at 44.1 kHz.
audio::DecodedSound hitAt(double at, double seconds)
{
    return shape_sounds::make(
        44100.0, 1, static_cast<std::uint64_t>(seconds * 44100.0), [at](std::uint64_t frame, std::uint16_t) {
            const double t = static_cast<double>(frame) / 44100.0 - at;
            return t >= 0.0 && t < 0.010 ? 0.7 * std::sin(2.0 * std::numbers::pi * 1000.0 * t + 0.3) : 0.0;
        });
}

// Mirrored bytes of any region are ShapePropertyTest's; here where a long region's reversed slot
// comes from, and what trim takes.
TEST(ReversedRegion, ALongRegionSoundsFromItsEndAndTrimTakesTheSilenceAfterTheSound)
{
    const auto late = hitAt(0.40, 2.0);
    for (const Resampling resampling : both) {
        SCOPED_TRACE(static_cast<int>(resampling));
        // A region longer than the slot sounds from its end: the hit lies 0.79 s to 0.80 s before it.
        const Bytes fromTheEnd = render(late, {.resampling = resampling, .start = 0.1, .end = 1.2, .reverse = true});
        EXPECT_NEAR(static_cast<double>(firstSound(fromTheEnd)), 0.79 * 33000.0, 12.0);
        EXPECT_NEAR(static_cast<double>(soundEnd(fromTheEnd)), 0.80 * 33000.0, 12.0);

        // Trim drops the silence after the sound, which comes first reversed.
        const Bytes trimmed = render(late, {.resampling = resampling, .trim = true, .start = 0.40, .reverse = true});
        EXPECT_LE(firstSound(trimmed), 3u);
        EXPECT_NEAR(static_cast<double>(soundEnd(trimmed)), 330.0, 12.0);
    }
}

// Rising zero crossings a second, in the slot between two bytes.
double crossingsPerSecond(const Bytes& slot, std::size_t from, std::size_t to)
{
    int rising = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        rising += slot[i - 1] < 0x80 && slot[i] >= 0x80;
    return rising * 33000.0 / static_cast<double>(to - from);
}

TEST(FitRange, FillsTheSlotAcrossFortyEightSemitonesUnderBothConversions)
{
    struct Case {
        double rate;
        double seconds; // of the region
        double hertz; // of its tone
    };
    constexpr std::size_t slotLength = 4096;
    const double slotSeconds = static_cast<double>(slotLength) / 33000.0;
    const Case cases[] = {
        {96000.0, 12.0 * slotSeconds / 0.99297, 100.0}, // +43 semitones, as 12 s into the largest slot
        {8000.0, 0.12 * slotSeconds / 0.99297, 1000.0}, // -43
        {384000.0, std::floor(16.0 * slotSeconds * 384000.0) / 384000.0, 60.0}, // +48, just inside
        {8000.0, std::ceil(slotSeconds / 16.0 * 8000.0) / 8000.0, 1900.0}, // -48, just inside
    };
    for (const Case& c : cases) {
        const auto tone = shape_sounds::make(
            c.rate, 1, static_cast<std::uint64_t>(std::ceil(c.seconds * c.rate)) + 100,
            [&c](std::uint64_t frame, std::uint16_t) {
                return 0.5 * std::sin(2.0 * std::numbers::pi * c.hertz * static_cast<double>(frame) / c.rate);
            });
        for (const Resampling resampling : both) {
            SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(c.seconds) + " s, "
                         + std::to_string(static_cast<int>(resampling)));
            const Bytes slot = render(tone, {.resampling = resampling, .end = c.seconds, .fit = true}, slotLength);
            EXPECT_LE(firstSound(slot), 3u);
            EXPECT_GE(soundEnd(slot), slotLength - 8);
            const double expected = c.hertz * c.seconds / slotSeconds;
            EXPECT_NEAR(crossingsPerSecond(slot, 0, slotLength) / expected, 1.0, 0.03);
        }
    }
}

} // namespace
