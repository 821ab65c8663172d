// A fit by stretching: the region shortened or lengthened to the slot keeping its pitch, within the
// stretch's range, measured in the slot it makes; a fit by pitch beside it for contrast. Without the
// library it is WithoutStretchLibraryTest's.
#include "audio/SlotRender.h"
#include "tests/audio/Draw.h"
#include "tests/audio/ShapeSounds.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

using audio::FitKind;
using audio::Resampling;
using audio::SoundShape;
using shape_sounds::frequency;
using shape_sounds::soundEnd;

using shape_sounds::both;
constexpr std::size_t crash = 32670; // bytes: 0.99 s

SoundShape stretchFit(Resampling resampling)
{
    return {.resampling = resampling, .fit = true, .fitKind = FitKind::Stretch};
}

TEST(StretchFit, ATwoSecondToneFitsIntoTheSlotKeepingItsPitchWhereAPitchFitRaisesIt)
{
    const auto twoSeconds = shape_sounds::sine(44100.0, 2.0, 1000.0, -3.0);
    const auto halfSecond = shape_sounds::sine(44100.0, 0.5, 1000.0, -3.0);
    for (const Resampling resampling : both) {
        SCOPED_TRACE(resampling == Resampling::Clean ? "Clean" : "Classic");
        const audio::RenderedSlot shortened = audio::renderSlot(twoSeconds, stretchFit(resampling), crash);
        ASSERT_TRUE(shortened.result) << shortened.result.detail();
        int cycles = 0;
        EXPECT_NEAR(frequency(shortened.bytes, 100, crash - 100, &cycles), 1000.0, 10.0);
        EXPECT_GE(cycles, 900);
        ASSERT_TRUE(shortened.result.stretch);
        EXPECT_NEAR(*shortened.result.stretch, 0.99 / 2.0, 1e-4);
        EXPECT_FALSE(shortened.result.fitPitch);
        EXPECT_EQ(shortened.result.describe("tone.wav", "CRASH"),
                  "tone.wav: 0.99 s, fills CRASH exactly, stretched to 0.495 times its length ("
                      + std::string(resampling == Resampling::Clean ? "Clean" : "Classic") + ")");

        // Lengthened nearly twice, the same pitch. How far a stretch fills the slot is the test of any
        // region's below.
        const audio::RenderedSlot lengthened = audio::renderSlot(halfSecond, stretchFit(resampling), crash);
        ASSERT_TRUE(lengthened.result) << lengthened.result.detail();
        EXPECT_NEAR(frequency(lengthened.bytes, 100, crash - 100), 1000.0, 10.0);

        // By pitch the same region fills the slot an octave up, and a little more.
        const Bytes raised = shape_sounds::render(twoSeconds, {.resampling = resampling, .fit = true}, crash);
        EXPECT_NEAR(frequency(raised, 100, crash - 100), 1000.0 * 2.0 / 0.99, 20.0);
    }
}

TEST(StretchFit, ARegionBeyondTheStretchsRangeIsRefusedWithTheStretchItNeeds)
{
    constexpr double slotSeconds = static_cast<double>(crash) / 33000.0;
    const auto regionFor
        = [](double stretch) { return shape_sounds::sine(44100.0, slotSeconds / stretch, 440.0, -6.0); };
    // Just inside either end of the range it fills the slot.
    for (const double inside : {audio::shortestStretch * 1.01, audio::longestStretch * 0.99}) {
        const audio::RenderedSlot made = audio::renderSlot(regionFor(inside), stretchFit(Resampling::Clean), crash);
        ASSERT_TRUE(made.result) << inside << ": " << made.result.detail();
        EXPECT_NEAR(*made.result.stretch, inside, 1e-3);
        EXPECT_GE(soundEnd(made.bytes), crash - 8) << inside;
    }
    const auto refusal = [&](double stretch) {
        const audio::RenderedSlot refused = audio::renderSlot(regionFor(stretch), stretchFit(Resampling::Clean), crash);
        EXPECT_FALSE(refused.result);
        EXPECT_TRUE(refused.bytes.empty());
        EXPECT_FALSE(refused.result.stretch);
        EXPECT_EQ(refused.result.refusal, audio::ImportResult::Refusal::FitOutOfReach);
        return refused.result.detail();
    };
    EXPECT_EQ(refusal(audio::shortestStretch * 0.98),
              "the region needs stretching to 0.392 times its length to fill the slot; a stretch reaches 0.40 to 2.00 "
              "times");
    EXPECT_EQ(refusal(audio::longestStretch * 1.02),
              "the region needs stretching to 2.040 times its length to fill the slot; a stretch reaches 0.40 to 2.00 "
              "times");
    // Nothing to stretch: the region is empty.
    const auto tone = regionFor(1.0);
    SoundShape empty = stretchFit(Resampling::Classic);
    empty.start = empty.end.emplace(0.5);
    EXPECT_FALSE(audio::renderSlot(tone, empty, crash).result);
}

// A drum's hit, a 180 Hz tone falling from its start, stretched to either end of the range: its attack
// stays at the slot's start and is heard once, its decay shortened or lengthened with it. A stretch
// that lengthens by repeating what it has already played repeats the attack.
TEST(StretchFit, AHitStretchedToEitherEndOfTheRangeSoundsOnceAndDecaysInItsNewTime)
{
    const auto hit = shape_sounds::make(44100.0, 1, 44100 / 4, [](std::uint64_t frame, std::uint16_t) {
        const double t = static_cast<double>(frame) / 44100.0;
        return 0.9 * std::exp(-t / 0.03) * std::sin(2.0 * std::numbers::pi * 180.0 * t);
    });
    constexpr std::size_t block = 330; // 10 ms, nearly two of the tone's periods
    for (const double stretch : {audio::shortestStretch, audio::longestStretch}) {
        SCOPED_TRACE(stretch);
        const auto slotLength = static_cast<std::size_t>(0.25 * stretch * 33000.0);
        const Bytes slot = shape_sounds::render(hit, stretchFit(Resampling::Clean), slotLength);
        std::vector<int> envelope;
        for (std::size_t at = 0; at + block <= slotLength; at += block)
            envelope.push_back(shape_sounds::peak(Bytes(slot.begin() + at, slot.begin() + at + block)));
        const auto loudest = std::max_element(envelope.begin(), envelope.end());
        EXPECT_LE(loudest - envelope.begin(), 1);
        const auto fallen = std::find_if(loudest, envelope.end(), [&](int level) { return 2 * level < *loudest; });
        ASSERT_NE(fallen, envelope.end());
        EXPECT_TRUE(std::all_of(fallen, envelope.end(), [&](int level) { return 2 * level < *loudest; }));
        // Down by 20 dB 69 ms after the attack, stretched, as near as splices of up to 125 ms and
        // blocks of 10 ms tell: a hit left as it was would take 2.5 times as long at 0.4, half at 2.
        const auto quiet = std::find_if(loudest, envelope.end(), [&](int level) { return 10 * level < *loudest; });
        const double ofAsked = static_cast<double>((quiet - envelope.begin()) * 10) / (69.0 * stretch);
        EXPECT_GT(ofAsked, 0.7);
        EXPECT_LT(ofAsked, 1.5);
    }
}

// Any region a stretch reaches, of any rate, fills any slot to its end at its own pitch.
TEST(StretchFit, AStretchedRegionOfAnyRateFillsTheSlotAtItsOwnPitch)
{
    Draw draw(0x7A796C6F78353135);
    constexpr double rates[] = {8000.0, 22050.0, 32000.0, 33000.0, 44100.0, 48000.0, 96000.0};
    for (int n = 0; n < 40; ++n) {
        const auto slotLength = static_cast<std::size_t>(draw.whole(2048, 32768));
        const double stretch = draw.uniform(audio::shortestStretch, audio::longestStretch);
        const double rate = draw.oneOf(rates);
        const double period = draw.uniform(20.0, 400.0) * rate / 44100.0; // frames: 110 Hz to 2.2 kHz
        const auto frames
            = static_cast<std::uint64_t>(std::round(static_cast<double>(slotLength) / 33000.0 * rate / stretch));
        const auto square = shape_sounds::make(rate, 1, frames, [period](std::uint64_t frame, std::uint16_t) {
            return std::fmod(static_cast<double>(frame), period) < period / 2.0 ? 0.5 : -0.5;
        });
        SoundShape shape = stretchFit(draw.chance(0.5) ? Resampling::Clean : Resampling::Classic);
        shape.reverse = draw.chance(0.3);
        SCOPED_TRACE("case " + std::to_string(n) + ": slot " + std::to_string(slotLength) + ", stretch "
                     + std::to_string(stretch) + ", " + std::to_string(rate) + " Hz");
        const audio::RenderedSlot made = audio::renderSlot(square, shape, slotLength);
        ASSERT_TRUE(made.result) << made.result.detail();
        EXPECT_EQ(made.result.length, slotLength);
        EXPECT_EQ(made.bytes.size(), slotLength);
        EXPECT_GE(soundEnd(made.bytes), slotLength - 9);
        EXPECT_LE(shape_sounds::firstSound(made.bytes), 2u);
        // Each splice may gain or lose part of a cycle of a low square: a tenth either way over a
        // slot, where a fit by pitch is off by the whole stretch.
        EXPECT_NEAR(frequency(made.bytes, 10, slotLength - 10) * period / rate, 1.0, 0.1);
    }
}

} // namespace
