#pragma once

#include <cstdint>

namespace audio {

// The frames of a source from first up to, not including, last.
struct SourceRegion {
    std::uint64_t first = 0;
    std::uint64_t last = 0;

    std::uint64_t length() const { return last > first ? last - first : 0; }
    bool operator==(const SourceRegion&) const = default;
};

} // namespace audio
