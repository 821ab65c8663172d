#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// What the pads of a kit play: each pad a slot's bytes (8-bit unsigned mono, 0x80 is silence, at
// 33,000 per second; none for an empty slot), and which pads are the hi-hats, whose closed one ends
// the open one's sound when the choke is on.
struct KitSounds {
    static constexpr std::size_t kPads = 6;

    std::array<std::vector<std::uint8_t>, kPads> pads{};
    std::optional<std::size_t> openHat{};
    std::optional<std::size_t> closedHat{};
};
