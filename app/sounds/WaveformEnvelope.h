#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// What a waveform drawing needs of a slot's device bytes: per column the lowest and highest byte
// (0x80 is the centre line), and how much of the slot the sound fills before its padding silence.
class WaveformEnvelope {
public:
    struct Column {
        std::uint8_t low = 0x80;
        std::uint8_t high = 0x80;
        bool operator==(const Column&) const = default;
    };

    // Spreads the bytes evenly over the columns; every column covers at least one byte, so a
    // view wider than the slot repeats bytes rather than leaving gaps.
    static std::vector<Column> of(std::span<const std::uint8_t> bytes, std::size_t columns);
    // The bytes up to and including the last that is not silence: the slot after them is padding.
    static std::size_t soundLength(std::span<const std::uint8_t> bytes);
};
