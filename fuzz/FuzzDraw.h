#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

// Choices drawn one after another from the front of a fuzzing input, so that the fuzzer steers
// them as it steers any other byte; once the input is used up every choice is its lowest.
class FuzzDraw {
public:
    explicit FuzzDraw(std::span<const std::uint8_t> input)
        : m_input(input)
    {
    }

    bool flag() { return (byte() & 1) != 0; }
    // 0 to count - 1.
    unsigned below(unsigned count) { return count == 0 ? 0 : static_cast<unsigned>(word() % count); }
    // low to high in 65,536 steps, both ends among them.
    double between(double low, double high)
    {
        const unsigned step = (static_cast<unsigned>(byte()) << 8) | byte();
        return low + (high - low) * static_cast<double>(step) / 65535.0;
    }
    // What no choice has taken yet.
    std::span<const std::uint8_t> rest() const { return m_input; }

private:
    std::uint8_t byte()
    {
        if (m_input.empty())
            return 0;
        const std::uint8_t value = m_input.front();
        m_input = m_input.subspan(1);
        return value;
    }
    std::uint32_t word()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | byte();
        return value;
    }

    std::span<const std::uint8_t> m_input;
};
