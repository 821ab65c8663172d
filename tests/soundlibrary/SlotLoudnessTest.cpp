#include "soundlibrary/SlotLoudness.h"
#include "audio/DeviceRate.h"
#include "soundlibrary/LoudnessMeter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

using soundlibrary::SlotLoudness;

namespace {

// A slot of length bytes holding a 997 Hz sine of amplitude steps for its first seconds, silence after.
std::vector<std::uint8_t> sineSlot(std::size_t length, double amplitude, double seconds)
{
    std::vector<std::uint8_t> slot(length, 0x80);
    const auto sounding = std::min(length, static_cast<std::size_t>(seconds * audio::kDeviceRate));
    for (std::size_t i = 1; i < sounding; ++i) {
        const double value
            = amplitude * std::sin(2.0 * std::numbers::pi * 997.0 * static_cast<double>(i) / audio::kDeviceRate);
        slot[i] = static_cast<std::uint8_t>(std::lround(128.0 + value));
    }
    return slot;
}

} // namespace

TEST(SlotLoudnessTest, ASineReadsItsLevelAtTheDeviceRate)
{
    ASSERT_TRUE(soundlibrary::LoudnessMeter::available());
    // A 997 Hz sine reads its level in dB as LUFS in both channels of a stereo sound, and so as dual
    // mono; the 8-bit steps add their noise near -50 dB.
    for (const double amplitude : {127.0, 64.0, 16.0}) {
        const std::optional<double> loudness = SlotLoudness::of(sineSlot(0x8000, amplitude, 1.0));
        ASSERT_TRUE(loudness) << amplitude;
        EXPECT_NEAR(*loudness, 20.0 * std::log10(amplitude / 128.0), 0.3) << amplitude;
    }
}

TEST(SlotLoudnessTest, TheSilenceAfterAShortHitDoesNotCount)
{
    // A short slot's sound and the same sound in a long slot: what follows the hit is gated out.
    const std::optional<double> shortSlot = SlotLoudness::of(sineSlot(0x2000, 64.0, 0.25));
    const std::optional<double> longSlot = SlotLoudness::of(sineSlot(0x8000, 64.0, 0.25));
    ASSERT_TRUE(shortSlot && longSlot);
    EXPECT_NEAR(*shortSlot, *longSlot, 0.1);
}

TEST(SlotLoudnessTest, ASilentSlotHasNoFigure)
{
    EXPECT_FALSE(SlotLoudness::of(std::vector<std::uint8_t>(0x2000, 0x80)));
    // One step either way is silence to the window's eye too.
    EXPECT_FALSE(SlotLoudness::of(sineSlot(0x2000, 1.0, 0.25)));
    EXPECT_FALSE(SlotLoudness::of(std::vector<std::uint8_t>{}));
    EXPECT_EQ(SlotLoudness::text(std::nullopt).english(), "silent");
    EXPECT_EQ(SlotLoudness::text(-18.26).english(), "-18.3 LUFS");
}
