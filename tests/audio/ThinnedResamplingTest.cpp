// A long region fitted into a slot reaches the clean resampler at many times
// the device rate: what the slot then keeps of a tone is what the device rate can hold, at its level
// and its time, and nothing of a tone above it folds back into the slot.
#include "audio/SlotRender.h"
#include "tests/audio/ShapeSounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

using audio::Resampling;
using audio::SoundShape;

constexpr std::size_t slotLength = 2048;
// The bytes measured: past the filters' start, before the slot's end.
constexpr std::size_t measuredFrom = 400;
constexpr std::size_t measuredTo = slotLength - 100;

// A region of a source fitted into the slot: as many slots long as the times it is played faster
// than the device's rate.
struct Ratio {
    double rate; // of the source
    double times;
    double regionSeconds() const { return times * static_cast<double>(slotLength) / rate; }
    // How many times higher the fit plays the source.
    double up() const { return times * 33000.0 / rate; }
    // The highest frequency the source holds, heard at the fit's pitch.
    double highestHeard() const { return rate / 2.0 * up(); }
};

// Thinned by 5 and 11 before the resampler, and not at all.
constexpr Ratio ratios[] = {{192000.0, 47.0}, {192000.0, 90.0}, {96000.0, 12.0}};

// A tone heard at the given frequency once fitted, at -3 dBFS, a little longer than the region.
audio::DecodedSound heardAt(const Ratio& ratio, double hertz)
{
    return shape_sounds::tone(ratio.rate, 1, ratio.regionSeconds() + 0.01, hertz / ratio.up(),
                              std::pow(10.0, -3.0 / 20.0));
}

std::vector<std::uint8_t> pitched(const audio::DecodedSound& sound, const Ratio& ratio)
{
    return shape_sounds::render(
        sound, SoundShape{.resampling = Resampling::Clean, .end = ratio.regionSeconds(), .fit = true}, slotLength);
}

double levelInDecibels(const std::vector<std::uint8_t>& slot)
{
    return 20.0 * std::log10(shape_sounds::rms(slot, measuredFrom, measuredTo) * std::numbers::sqrt2 / 128.0);
}

TEST(ThinnedResampling, NothingAboveTheDeviceRatesHalfFoldsBackIntoTheSlot)
{
    // Tones 29 kHz apart, as heard, from just above the device rate's half to the source's top: each
    // band 33 kHz wide that a coarse filter before the resampler would fold onto the slot's is hit.
    for (const Ratio& ratio : ratios) {
        for (double hertz = 18000.0; hertz < 0.97 * ratio.highestHeard(); hertz += 29000.0) {
            SCOPED_TRACE(std::to_string(ratio.rate) + " Hz, " + std::to_string(ratio.times) + " times, tone heard at "
                         + std::to_string(hertz));
            const std::vector<std::uint8_t> slot = pitched(heardAt(ratio, hertz), ratio);
            EXPECT_EQ(shape_sounds::peak({slot.begin() + measuredFrom, slot.begin() + measuredTo}), 0);
        }
    }
}

TEST(ThinnedResampling, ToneBelowTheDeviceRatesHalfKeepsItsLevelAndItsTime)
{
    for (const Ratio& ratio : ratios) {
        for (double hertz = 150.0; hertz <= 14500.0; hertz += 1450.0) {
            SCOPED_TRACE(std::to_string(ratio.rate) + " Hz, " + std::to_string(ratio.times) + " times, tone heard at "
                         + std::to_string(hertz));
            EXPECT_NEAR(levelInDecibels(pitched(heardAt(ratio, hertz), ratio)), -3.0, 0.25);
        }
        // A tone that starts 30 ms into the slot, as heard, starts there in the slot.
        const double start = 0.03;
        const auto late
            = shape_sounds::tone(ratio.rate, 1, ratio.regionSeconds() + 0.01, 2000.0 / ratio.up(), 0.5,
                                 [&](double seconds, std::uint16_t) { return seconds >= start * ratio.up(); });
        EXPECT_NEAR(static_cast<double>(shape_sounds::firstSound(pitched(late, ratio))), start * 33000.0, 3.0)
            << ratio.rate;
    }
}

} // namespace
