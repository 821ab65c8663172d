// Trim alone over a long quiet source: where the source's peaks show the search must find nothing,
// the slot is made from its first frames alone, and it is the slot the whole search makes; where a
// sound rises above the threshold anywhere in the frames searched, the search still finds it.
#include "audio/CleanResampler.h"
#include "audio/SlotConversion.h"
#include "audio/SlotRender.h"
#include "tests/audio/ShapeSounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

using audio::Resampling;

constexpr std::size_t slotLength = 4096;

TEST(PlainTrim, AQuietSourceGivesTheSlotOfTheWholeSearchAndAQuietRiseIsStillFound)
{
    std::mt19937 random(33000);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int round = 0; round < 60; ++round) {
        const Resampling resampling = round % 2 == 0 ? Resampling::Classic : Resampling::Clean;
        const double rate = round % 3 == 0 ? 44100.0 : round % 3 == 1 ? 48000.0 : 22050.0;
        // Noise peaking 80 to 46 dB down (the threshold is -48 dBFS), and in half the rounds a hit
        // a little above the threshold (a whole step, which Classic keeps) somewhere in the 24 slots searched.
        const double noise = std::pow(10.0, (-80.0 + 34.0 * (unit(random) + 1.0) / 2.0) / 20.0);
        const double seconds = 24.0 * slotLength / 33000.0 + 0.5;
        const double hitAt = round % 4 < 2 ? (unit(random) + 1.0) / 2.0 * (seconds - 0.6) : -1.0;
        const double hit = std::pow(10.0, -40.0 / 20.0);
        // Made one frame after the other, so the noise is drawn in the order of the frames.
        const auto sound = shape_sounds::make(
            rate, 1, static_cast<std::uint64_t>(seconds * rate), [&](std::uint64_t frame, std::uint16_t) {
                const double t = static_cast<double>(frame) / rate;
                return noise * unit(random) + (t >= hitAt && t < hitAt + 0.01 ? hit * std::sin(6000.0 * t) : 0.0);
            });
        const audio::SoundShape trim{.resampling = resampling, .trim = true};
        SCOPED_TRACE(testing::Message() << "round " << round << ", noise " << 20.0 * std::log10(noise) << " dB, hit at "
                                        << hitAt << " s");

        audio::ImportResult searched{audio::ImportResult::Kind::Sound, 0, slotLength};
        const std::vector<std::uint8_t> whole = audio::convertForSlot(sound.frames, slotLength, trim, searched);
        const audio::RenderedSlot rendered = audio::renderSlot(sound, trim, slotLength);
        ASSERT_TRUE(rendered.result);
        EXPECT_EQ(rendered.result.trimmed, searched.trimmed);
        // The slot's own finishing sets its first byte and fades its last seven.
        ASSERT_GE(whole.size(), 16u);
        EXPECT_TRUE(std::equal(whole.begin() + 1, whole.end() - 8, rendered.bytes.begin() + 1));
        // Noise near the threshold may itself be found first, once filtered.
        if (hitAt >= 0.0 && noise < std::pow(10.0, -54.0 / 20.0)) {
            EXPECT_GT(rendered.result.trimmed, 0u);
        }
    }
}

// What lets the search be left out: the loudest source trimFindsNothing accepts, in the patterns
// that make a low-pass filter ring most (square waves of every short period, random signs), never
// comes out of the clean resampler above trim's threshold of -48 dBFS.
TEST(PlainTrim, NoSourceTheQuickAnswerAcceptsRingsAboveTheThresholdInTheCleanFilter)
{
    const double threshold = 128.0 * std::pow(10.0, -48.0 / 20.0);
    // The largest 16-bit value (1/256 of a step each) whose peak trimFindsNothing accepts.
    int accepted = 0;
    while (audio::trimFindsNothing((accepted + 1) / 256.0, Resampling::Clean)) {
        ++accepted;
    }
    ASSERT_GT(accepted, 0);
    std::mt19937 random(48);
    for (const double rate : {8000.0, 22050.0, 44100.0, 48000.0, 96000.0, 192000.0, 384000.0}) {
        for (int period = 0; period <= 12; ++period) {
            audio::PcmFrames in(1, 16, false, rate);
            in.resize(2 * 20000);
            for (std::size_t i = 0; i < 20000; ++i) {
                const bool up = period == 0 ? random() % 2 == 0 : (i / static_cast<std::size_t>(period)) % 2 == 0;
                const auto value = static_cast<std::uint16_t>(up ? accepted : -accepted);
                in[2 * i] = static_cast<std::uint8_t>(value);
                in[2 * i + 1] = static_cast<std::uint8_t>(value >> 8);
            }
            double loudest = 0.0;
            for (const double step : audio::resampleClean(in, 33000.0, 100000)) {
                loudest = std::max(loudest, std::abs(step));
            }
            EXPECT_LE(loudest, threshold) << rate << " Hz, period " << period;
        }
    }
}

} // namespace
