#include "playback/KitVoices.h"

#include <algorithm>
#include <limits>

void KitVoices::hit(const KitSounds& sounds, std::size_t pad, bool choke)
{
    if (pad >= KitSounds::kPads)
        return;
    m_position[pad] = 0;
    if (choke && sounds.closedHat == pad && sounds.openHat && *sounds.openHat < KitSounds::kPads
        && *sounds.openHat != pad)
        m_position[*sounds.openHat] = kIdle;
}

void KitVoices::render(const KitSounds& sounds, std::span<std::int16_t> out) const
{
    // Six voices of at most 127 * 256 each fit an int easily; the clip comes once, on the sum.
    std::array<int, 64> sums{};
    for (std::size_t start = 0; start < out.size(); start += sums.size()) {
        const std::size_t count = std::min(sums.size(), out.size() - start);
        std::fill_n(sums.begin(), count, 0);
        for (std::size_t pad = 0; pad < KitSounds::kPads; ++pad) {
            const std::vector<std::uint8_t>& sound = sounds.pads[pad];
            const std::size_t from = m_position[pad];
            if (from >= sound.size())
                continue;
            const std::size_t heard = std::min(count, sound.size() - from - std::min(sound.size() - from, start));
            for (std::size_t frame = 0; frame < heard; ++frame)
                sums[frame] += (static_cast<int>(sound[from + start + frame]) - 0x80) * 256;
        }
        for (std::size_t frame = 0; frame < count; ++frame)
            out[start + frame] = static_cast<std::int16_t>(std::clamp<int>(
                sums[frame], std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
    }
}

void KitVoices::advance(const KitSounds& sounds, std::size_t frames)
{
    for (std::size_t pad = 0; pad < KitSounds::kPads; ++pad) {
        std::size_t& position = m_position[pad];
        if (position < sounds.pads[pad].size() && sounds.pads[pad].size() - position > frames)
            position += frames;
        else
            position = kIdle;
    }
}

std::uint8_t KitVoices::sounding(const KitSounds& sounds) const
{
    std::uint8_t bits = 0;
    for (std::size_t pad = 0; pad < KitSounds::kPads; ++pad)
        if (m_position[pad] < sounds.pads[pad].size())
            bits = static_cast<std::uint8_t>(bits | (1U << pad));
    return bits;
}
