#include "app/sounds/WaveformEnvelope.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kSilence = 0x80;

} // namespace

std::vector<WaveformEnvelope::Column> WaveformEnvelope::of(std::span<const std::uint8_t> bytes, std::size_t columns)
{
    std::vector<Column> envelope(bytes.empty() ? 0 : columns);
    for (std::size_t column = 0; column < envelope.size(); ++column) {
        const std::size_t first = column * bytes.size() / columns;
        const std::size_t end = std::max(first + 1, (column + 1) * bytes.size() / columns);
        const auto [low, high] = std::minmax_element(bytes.begin() + static_cast<std::ptrdiff_t>(first),
                                                     bytes.begin() + static_cast<std::ptrdiff_t>(end));
        envelope[column] = {*low, *high};
    }
    return envelope;
}

std::size_t WaveformEnvelope::soundLength(std::span<const std::uint8_t> bytes)
{
    const auto last = std::find_if(bytes.rbegin(), bytes.rend(), [](std::uint8_t byte) { return byte != kSilence; });
    return static_cast<std::size_t>(bytes.rend() - last);
}
