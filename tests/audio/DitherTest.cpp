// How the clean conversion picks the last of 8 bits, measured in the slot's spectrum. That the
// minimum-phase filter rings nowhere ahead of a sound is ShapePropertyTest's.
#include "audio/SlotRender.h"
#include "tests/audio/ShapeSounds.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace {

using audio::Dither;
using audio::Resampling;
using shape_sounds::render;

constexpr std::size_t slotLength = 32768;
constexpr double binHertz = 33000.0 / slotLength;

// The power in each bin of the Hann-windowed slot (radix-2, in place).
std::vector<double> spectrum(const Bytes& slot)
{
    const std::size_t n = slot.size();
    std::vector<std::complex<double>> x(n);
    for (std::size_t i = 0; i < n; ++i)
        x[i] = (slot[i] - 128.0)
               * (0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(n)));
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(x[i], x[j]);
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const std::complex<double> turn = std::polar(1.0, -2.0 * std::numbers::pi / static_cast<double>(length));
        for (std::size_t start = 0; start < n; start += length) {
            std::complex<double> w = 1.0;
            for (std::size_t k = 0; k < length / 2; ++k, w *= turn) {
                const std::complex<double> even = x[start + k];
                const std::complex<double> odd = x[start + k + length / 2] * w;
                x[start + k] = even + odd;
                x[start + k + length / 2] = even - odd;
            }
        }
    }
    std::vector<double> power(n / 2);
    for (std::size_t k = 0; k < power.size(); ++k)
        power[k] = std::norm(x[k]);
    return power;
}

bool nearAHarmonic(double hertz)
{
    const double off = std::abs(hertz - 1000.0 * std::round(hertz / 1000.0));
    return hertz > 500.0 && off < 10.0 * binHertz;
}

// The mean power per bin between two frequencies, away from the tone and its harmonics.
double noiseFloor(const std::vector<double>& power, double low, double high)
{
    double sum = 0.0;
    int bins = 0;
    for (std::size_t k = static_cast<std::size_t>(low / binHertz); k < static_cast<std::size_t>(high / binHertz); ++k) {
        if (!nearAHarmonic(static_cast<double>(k) * binHertz)) {
            sum += power[k];
            ++bins;
        }
    }
    return sum / bins;
}

// A harmonic's power (the 7 bins of the window's main lobe) against as many bins of the floor, in dB.
double aboveFloor(const std::vector<double>& power, double hertz, double floor)
{
    const auto centre = static_cast<std::size_t>(std::lround(hertz / binHertz));
    double sum = 0.0;
    for (std::size_t k = centre - 3; k <= centre + 3; ++k)
        sum += power[k];
    return 10.0 * std::log10(sum / (7.0 * floor));
}

audio::SoundShape clean(Dither dither)
{
    return {.resampling = Resampling::Clean, .dither = dither};
}

TEST(Dither, TurnsAQuietTonesDistortionIntoNoiseAndShapingMovesTheNoiseAboveTheBand)
{
    const auto tone = shape_sounds::sine(44100.0, 1.2, 1000.0, -40.0);
    const std::vector<double> plain = spectrum(render(tone, clean(Dither::None)));
    const std::vector<double> tpdf = spectrum(render(tone, clean(Dither::Triangular)));
    const std::vector<double> shaped = spectrum(render(tone, clean(Dither::Shaped)));

    const double plainFloor = noiseFloor(plain, 100.0, 16000.0);
    EXPECT_GE(aboveFloor(plain, 3000.0, plainFloor), 10.0);
    const double tpdfFloor = noiseFloor(tpdf, 100.0, 16000.0);
    for (const double harmonic : {2000.0, 3000.0, 4000.0, 5000.0})
        EXPECT_LE(aboveFloor(tpdf, harmonic, tpdfFloor), 6.0) << harmonic;
    const double lessNoise = 10.0 * std::log10(noiseFloor(tpdf, 200.0, 4000.0) / noiseFloor(shaped, 200.0, 4000.0));
    EXPECT_GE(lessNoise, 6.0);
    for (const double harmonic : {2000.0, 3000.0, 4000.0, 5000.0})
        EXPECT_LE(aboveFloor(shaped, harmonic, noiseFloor(shaped, harmonic - 400.0, harmonic + 400.0)), 6.0)
            << harmonic;
}

TEST(Dither, KeepsTheSlotCentredAndDigitalSilenceExact)
{
    const auto tone = shape_sounds::sine(44100.0, 1.2, 1000.0, -20.0);
    const audio::SoundShape modes[] = {{}, clean(Dither::None), clean(Dither::Triangular), clean(Dither::Shaped)};
    for (const audio::SoundShape& mode : modes) {
        audio::SoundShape shape = mode;
        shape.start = 0.0001; // a shape, so Classic takes the same steps
        EXPECT_NEAR(shape_sounds::mean(render(tone, shape), 1, slotLength - 8), 128.0, 0.05)
            << static_cast<int>(mode.dither);
    }
    // Silence, a tone, silence again: the silences stay on the zero line whatever the dither.
    const auto gap = shape_sounds::make(44100.0, 1, 44100, [](std::uint64_t frame, std::uint16_t) {
        return frame >= 8820 && frame < 17640 ? 0.01 * std::sin(static_cast<double>(frame) / 5.0) : 0.0;
    });
    for (const Dither dither : {Dither::Triangular, Dither::Shaped}) {
        const Bytes slot = render(gap, clean(dither));
        EXPECT_TRUE(std::all_of(slot.begin(), slot.begin() + 6500, [](std::uint8_t b) { return b == 0x80; }));
        EXPECT_TRUE(std::all_of(slot.begin() + 13500, slot.end(), [](std::uint8_t b) { return b == 0x80; }));
        EXPECT_NE(std::count(slot.begin() + 6700, slot.begin() + 13000, 0x80), 6300);
        EXPECT_EQ(render(gap, clean(dither)), slot); // the same seed every time
    }
}

} // namespace
