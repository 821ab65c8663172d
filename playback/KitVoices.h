#pragma once

#include "playback/KitSounds.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Where each pad's voice is in its sound, and the mix of them: what the kit player's thread keeps
// from one period to the next. Nothing here allocates.
class KitVoices {
public:
    // Starts the pad's voice again from its first byte, ending the open hi-hat's when the pad is
    // the closed hi-hat and choke is on.
    void hit(const KitSounds& sounds, std::size_t pad, bool choke);
    // The sum of the voices, as many frames as out holds from where each voice is, clipped to 16 bits;
    // the voices stay where they are.
    void render(const KitSounds& sounds, std::span<std::int16_t> out) const;
    // The voices move on by frames; each that passes the end of its sound ends.
    void advance(const KitSounds& sounds, std::size_t frames);
    // One bit per pad whose voice has sound left, pad 0 the lowest.
    std::uint8_t sounding(const KitSounds& sounds) const;

private:
    static constexpr std::size_t kIdle = SIZE_MAX;

    std::array<std::size_t, KitSounds::kPads> m_position{kIdle, kIdle, kIdle, kIdle, kIdle, kIdle};
};
