// The shape of a sound measured in the slot it makes: a long reversed region, pitch, fit to the ends
// of its range, gain, DC, limiter and fades; the report; snapping. Where the region lands, and that
// a reversed slot is the forward one mirrored, is ShapePropertyTest's; the mono choices are
// AnySourceTest's, SlotAdviceTest's and SoundPeaksTest's.
#include "audio/MonoSteps.h"
#include "audio/SlotRender.h"
#include "audio/SoundSnapping.h"
#include "tests/audio/ShapeSounds.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using audio::Resampling;
using audio::SoundShape;
using shape_sounds::both;
using shape_sounds::firstSound;
using shape_sounds::frequency;
using shape_sounds::render;
using shape_sounds::rms;
using shape_sounds::soundEnd;

double cents(double measured, double expected)
{
    return 1200.0 * std::log2(measured / expected);
}

// That a reversed slot is the forward one mirrored, at the device's rate and any other, is
// ShapePropertyTest's; here where a long region's reversed slot comes from, and what trim takes.
TEST(ReversedRegion, ALongRegionSoundsFromItsEndAndTrimTakesTheSilenceAfterTheSound)
{
    // A 10 ms hit of 1 kHz at -3 dBFS 0.4 s into two seconds of silence.
    const auto late = shape_sounds::make(44100.0, 1, 88200, [](std::uint64_t frame, std::uint16_t) {
        const double t = static_cast<double>(frame) / 44100.0 - 0.4;
        return t >= 0.0 && t < 0.010 ? 0.7 * std::sin(2.0 * std::numbers::pi * 1000.0 * t + 0.3) : 0.0;
    });
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

TEST(SoundShape, PitchMovesATonePreciselyAndFitFillsTheSlotWithTheWholeRegion)
{
    const auto tone = shape_sounds::sine(44100.0, 2.0, 1000.0, -3.0);
    for (const Resampling resampling : both) {
        for (const double semitones : {12.0, -7.0, 4.5}) {
            const Bytes slot = render(tone, {.resampling = resampling, .pitch = semitones}, 32768);
            int cycles = 0;
            const double measured = frequency(slot, 100, 32700, &cycles);
            EXPECT_GE(cycles, 100);
            EXPECT_NEAR(cents(measured, 1000.0 * std::exp2(semitones / 12.0)), 0.0, 1.0) << semitones;
        }
        // Up an octave, 0.2 s of sound take 0.1 s of the slot.
        const auto shortTone = shape_sounds::sine(44100.0, 0.2, 1000.0, -3.0);
        EXPECT_NEAR(static_cast<double>(soundEnd(render(shortTone, {.resampling = resampling, .pitch = 12.0}, 8192))),
                    3300.0, 8.0);

        // 1.5 s of a 500 Hz tone squeezed into 24,576 bytes (0.745 s): all of it, and no more.
        const auto region = shape_sounds::sine(44100.0, 1.5, 500.0, -3.0);
        const audio::RenderedSlot fit = audio::renderSlot(region, {.resampling = resampling, .fit = true}, 24576);
        const Bytes& fitted = fit.bytes;
        EXPECT_GE(soundEnd(fitted), 24576u - 8);
        EXPECT_NEAR(cents(frequency(fitted, 100, 24500), 500.0 * 1.5 * 33000.0 / 24576.0), 0.0, 1.0);
        // The pitch it reports is the one heard: the tone moved by as many semitones.
        ASSERT_TRUE(fit.result.fitPitch);
        EXPECT_NEAR(cents(frequency(fitted, 100, 24500), 500.0 * std::exp2(*fit.result.fitPitch / 12.0)), 0.0, 1.0);
        EXPECT_EQ(fit.result.describe("tone.wav", "CRASH"),
                  "tone.wav: 0.74 s, fills CRASH exactly at +12.12 semitones ("
                      + std::string(resampling == Resampling::Clean ? "Clean" : "Classic") + ")");
        // Below the slot's length a fit lowers the pitch; a set pitch is no fit's.
        const auto shortRegion = shape_sounds::sine(44100.0, 0.5, 500.0, -3.0);
        const auto lowered = audio::renderSlot(shortRegion, {.resampling = resampling, .fit = true}, 24576);
        ASSERT_TRUE(lowered.result.fitPitch);
        EXPECT_NEAR(*lowered.result.fitPitch, 12.0 * std::log2(0.5 * 33000.0 / 24576.0), 1e-9);
        EXPECT_FALSE(audio::renderSlot(region, {.resampling = resampling, .pitch = 5.0}, 24576).result.fitPitch);
    }
    const auto long20 = shape_sounds::sine(8000.0, 20.0, 100.0, -3.0);
    const audio::RenderedSlot refused = audio::renderSlot(long20, {.fit = true}, 8192);
    EXPECT_FALSE(refused.result);
    EXPECT_FALSE(refused.result.fitPitch);
    EXPECT_TRUE(refused.bytes.empty());
    EXPECT_EQ(refused.result.detail(),
              "the region needs a pitch of +76.0 semitones to fill the slot; a fit reaches -48 to +48");
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
        const auto tone = shape_sounds::tone(c.rate, 1, c.seconds + 100.0 / c.rate, c.hertz, 0.5);
        for (const Resampling resampling : both) {
            SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(c.seconds) + " s, "
                         + std::to_string(static_cast<int>(resampling)));
            const Bytes slot = render(tone, {.resampling = resampling, .end = c.seconds, .fit = true}, slotLength);
            EXPECT_LE(firstSound(slot), 3u);
            EXPECT_GE(soundEnd(slot), slotLength - 8);
            EXPECT_NEAR(cents(frequency(slot, 0, slotLength), c.hertz * c.seconds / slotSeconds), 0.0, 50.0);
        }
    }
}

TEST(SoundShape, GainDcAndTheLimiterChangeTheLevelAsAsked)
{
    const auto quiet = shape_sounds::sine(44100.0, 1.0, 1000.0, -20.0);
    const Bytes plain = render(quiet, {.resampling = Resampling::Clean, .start = 0.0001}, 32768);
    const Bytes louder = render(quiet, {.resampling = Resampling::Clean, .gain = 20.0 * std::log10(2.0)}, 32768);
    EXPECT_NEAR(rms(louder, 100, 32000) / rms(plain, 100, 32000), 2.0, 0.02);

    const auto offset = shape_sounds::make(44100.0, 1, 44100, [](std::uint64_t frame, std::uint16_t) {
        return 0.3 + 0.2 * std::sin(2.0 * std::numbers::pi * 250.0 * static_cast<double>(frame) / 44100.0);
    });
    EXPECT_GT(shape_sounds::mean(render(offset, {.resampling = Resampling::Clean}, 32768), 100, 32000), 160.0);
    EXPECT_NEAR(
        shape_sounds::mean(render(offset, {.resampling = Resampling::Clean, .removeDc = true}, 32768), 100, 32000),
        128.0, 0.5);

    // One full-scale spike over a body at -30 dBFS: normalising alone leaves the body where it was.
    const auto spiked = shape_sounds::make(44100.0, 1, 44100, [](std::uint64_t frame, std::uint16_t) {
        return frame == 4410 ? 1.0
                             : 0.0316 * std::sin(2.0 * std::numbers::pi * 200.0 * static_cast<double>(frame) / 44100.0);
    });
    const Bytes normalised = render(spiked, {.normalize = true, .start = 0.0001}, 32768);
    const Bytes limited = render(spiked, {.normalize = true, .limit = -24.0}, 32768);
    EXPECT_GT(20.0 * std::log10(rms(limited, 16000, 32000) / rms(normalised, 16000, 32000)), 20.0);
}

TEST(SoundShape, FadesReachTheZeroLineAtTheirEnds)
{
    const auto tone = shape_sounds::sine(44100.0, 1.0, 1000.0, -6.0);
    for (const audio::Dither dither : {audio::Dither::None, audio::Dither::Triangular, audio::Dither::Shaped}) {
        const SoundShape shape{
            .resampling = Resampling::Clean, .end = 0.5, .fadeIn = 20.0, .fadeOut = 30.0, .dither = dither};
        const Bytes slot = render(tone, shape, 32768);
        EXPECT_LE(std::abs(slot[1] - 128), 1);
        EXPECT_EQ(slot[16499], 0x80); // the last byte of the region's sound
        EXPECT_LE(rms(slot, 1, 66), 0.1 * 64.0); // the first tenth of the fade-in
        EXPECT_GT(rms(slot, 660, 15500), 40.0);
        EXPECT_LE(rms(slot, 16400, 16499), 0.1 * 64.0);
        EXPECT_GE(soundEnd(slot), 16400u);
        EXPECT_LE(soundEnd(slot), 16499u);
    }
}

TEST(SoundShape, TheReportNamesThePeakAndClipping)
{
    const auto tone = shape_sounds::sine(44100.0, 0.2, 440.0, -6.0);
    const audio::RenderedSlot heard = audio::renderSlot(tone, {}, 8192);
    EXPECT_FALSE(heard.result.report.silent);
    EXPECT_NEAR(heard.result.report.peakDecibels, -6.0, 0.2);
    EXPECT_FALSE(heard.result.report.clipped);
    EXPECT_TRUE(audio::renderSlot(tone, {.gain = 12.0}, 8192).result.report.clipped);
}

TEST(SoundShape, ValuesBeyondTheirRangesAreHeldToThemAndNoNumberIsTheDefault)
{
    const auto tone = shape_sounds::sine(44100.0, 0.5, 440.0, -6.0);
    const double nan = std::nan("");
    const SoundShape wild{.resampling = Resampling::Clean,
                          .start = -3.0,
                          .end = nan,
                          .gain = nan,
                          .limit = 40.0,
                          .pitch = 1e9,
                          .fadeIn = -5.0,
                          .fadeOut = 1e12};
    const SoundShape tame{.resampling = Resampling::Clean,
                          .start = 0.0,
                          .end = 3600.0,
                          .gain = 0.0,
                          .limit = 0.0,
                          .pitch = 24.0,
                          .fadeIn = 0.0,
                          .fadeOut = 1000.0};
    EXPECT_EQ(render(tone, wild, 8192), render(tone, tame, 8192));
}

TEST(SoundSnapping, NeverEmptiesARegionOnShortSilentOrOffsetSources)
{
    const auto one = shape_sounds::make(44100.0, 1, 1, [](std::uint64_t, std::uint16_t) { return 0.5; });
    const auto three
        = shape_sounds::make(44100.0, 2, 3, [](std::uint64_t frame, std::uint16_t) { return frame == 1 ? -0.5 : 0.5; });
    const auto silence = shape_sounds::make(44100.0, 1, 44100, [](std::uint64_t, std::uint16_t) { return 0.0; });
    const auto offset = shape_sounds::make(44100.0, 1, 44100, [](std::uint64_t frame, std::uint16_t) {
        return 0.5 + 0.1 * std::sin(2.0 * std::numbers::pi * 100.0 * static_cast<double>(frame) / 44100.0 + 1.0);
    });
    const auto constant = shape_sounds::make(44100.0, 1, 44100, [](std::uint64_t, std::uint16_t) { return 0.4; });
    for (const audio::DecodedSound* sound : {&one, &three, &silence, &offset, &constant}) {
        const std::uint64_t frames = sound->frames.frameCount();
        for (const audio::SourceRegion region :
             {audio::SourceRegion{0, frames}, audio::SourceRegion{frames, frames}, audio::SourceRegion{0, 0},
              audio::SourceRegion{frames / 3, frames / 2 + 1}, audio::SourceRegion{frames + 5, frames + 9}}) {
            for (const audio::SourceRegion snapped :
                 {audio::snapStartToOnset(*sound, region, -48.0), audio::snapToZeroCrossings(*sound, region)}) {
                EXPECT_LT(snapped.first, snapped.last) << frames;
                EXPECT_LE(snapped.last, frames);
            }
        }
    }
    EXPECT_EQ(audio::snapStartToOnset(silence, {100, 2000}, -48.0), (audio::SourceRegion{100, 2000}));

    // The offset tone never crosses zero; its edges snap to where it crosses its own middle.
    const audio::MonoSteps steps(offset.frames, audio::MonoSource::Mix);
    const audio::SourceRegion snapped = audio::snapToZeroCrossings(offset, {10000, 30000});
    for (const std::uint64_t edge : {snapped.first, snapped.last}) {
        EXPECT_LE((steps.at(edge - 1) - 64.0) * (steps.at(edge) - 64.0), 0.0) << edge;
    }
    EXPECT_NEAR(static_cast<double>(snapped.first), 10000.0, 221.0); // within half a period
    EXPECT_NEAR(static_cast<double>(snapped.last), 30000.0, 221.0);

    const auto late = shape_sounds::make(44100.0, 1, 44100,
                                         [](std::uint64_t frame, std::uint16_t) { return frame >= 13230 ? 0.1 : 0.0; });
    EXPECT_EQ(audio::snapStartToOnset(late, {2000, 40000}, -48.0), (audio::SourceRegion{13230, 40000}));
    EXPECT_EQ(audio::snapStartToOnset(late, {2000, 10000}, -48.0), (audio::SourceRegion{2000, 10000}));
}

} // namespace
