#pragma once

#include <cstddef>
#include <cstdint>

// How carefully System Exclusive messages go to one output, for interfaces that drop bytes of long
// messages: the largest piece handed to the kernel at once, and a gap after each piece but the
// last. The defaults are the wire's own pace.
struct OutputPacing {
    static constexpr std::size_t kLargestPiece = 256;
    static constexpr std::size_t kSmallestPiece = 16;
    static constexpr std::uint32_t kLongestGapMilliseconds = 100;

    std::size_t pieceBytes = kLargestPiece;
    std::uint32_t gapMilliseconds = 0;

    bool operator==(const OutputPacing&) const = default;

    // Whether both lie within what an output may be given.
    bool valid() const;
    // How many pieces a message of this length goes in.
    std::size_t pieces(std::size_t messageBytes) const;
    // The time the gaps add to a message of this length.
    std::uint64_t gapsMicroseconds(std::size_t messageBytes) const;
};
