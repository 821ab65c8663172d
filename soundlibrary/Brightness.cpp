#include "soundlibrary/Brightness.h"

#include <cmath>
#include <complex>
#include <cstddef>
#include <numbers>
#include <vector>

namespace soundlibrary {

namespace {

constexpr std::size_t kFrame = 2048;
constexpr std::size_t kHop = kFrame / 2;

// In place, radix 2; the size is a power of two.
void transform(std::vector<std::complex<double>>& values)
{
    const std::size_t size = values.size();
    for (std::size_t i = 1, j = 0; i < size; ++i) {
        std::size_t bit = size >> 1;
        for (; (j & bit) != 0; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(values[i], values[j]);
    }
    for (std::size_t length = 2; length <= size; length <<= 1) {
        const std::complex<double> turn = std::polar(1.0, -2.0 * std::numbers::pi / static_cast<double>(length));
        for (std::size_t start = 0; start < size; start += length) {
            std::complex<double> twiddle = 1.0;
            for (std::size_t k = 0; k < length / 2; ++k) {
                const std::complex<double> even = values[start + k];
                const std::complex<double> odd = values[start + k + length / 2] * twiddle;
                values[start + k] = even + odd;
                values[start + k + length / 2] = even - odd;
                twiddle *= turn;
            }
        }
    }
}

} // namespace

std::optional<double> brightness(std::span<const double> mono, double rate)
{
    if (mono.empty() || !(rate > 0.0) || !std::isfinite(rate))
        return std::nullopt;
    std::vector<double> window(kFrame);
    for (std::size_t i = 0; i < kFrame; ++i)
        window[i] = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / kFrame);
    std::vector<std::complex<double>> bins(kFrame);
    double weighted = 0.0;
    double total = 0.0;
    // A sound shorter than one frame is one frame with silence after it.
    for (std::size_t start = 0; start == 0 || start + kFrame <= mono.size(); start += kHop) {
        for (std::size_t i = 0; i < kFrame; ++i)
            bins[i] = start + i < mono.size() ? mono[start + i] * window[i] : 0.0;
        transform(bins);
        for (std::size_t bin = 1; bin <= kFrame / 2; ++bin) {
            const double magnitude = std::abs(bins[bin]);
            weighted += magnitude * static_cast<double>(bin) * rate / kFrame;
            total += magnitude;
        }
    }
    if (total <= 0.0)
        return std::nullopt;
    return weighted / total;
}

} // namespace soundlibrary
