#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

// Random inputs for the property tests, from a fixed seed: splitmix64, the same draws on every
// platform, as the standard distributions are not. Each call takes its draws in the order written,
// so a test's inputs stay the same as long as its calls do.
class Draw {
public:
    explicit Draw(std::uint64_t seed)
        : m_state(seed)
    {
    }

    std::uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
        return z ^ (z >> 31);
    }
    // 0 to bound - 1; 0 for a bound of 0.
    std::uint64_t below(std::uint64_t bound) { return bound == 0 ? 0 : next() % bound; }
    double uniform(double low, double high) { return low + (high - low) * static_cast<double>(next() >> 11) * 0x1p-53; }
    int whole(int low, int high) { return std::min(high, static_cast<int>(std::floor(uniform(low, high + 1.0)))); }
    bool chance(double p) { return uniform(0.0, 1.0) < p; }
    // A uniform value with chance p, else none: one draw, and a second only when it comes.
    std::optional<double> sometimes(double p, double low, double high)
    {
        return chance(p) ? std::optional(uniform(low, high)) : std::nullopt;
    }
    double sometimesOrZero(double p, double low, double high) { return sometimes(p, low, high).value_or(0.0); }
    template <typename T, std::size_t N> T oneOf(const T (&values)[N])
    {
        return values[static_cast<std::size_t>(whole(0, static_cast<int>(N) - 1))];
    }

private:
    std::uint64_t m_state;
};
