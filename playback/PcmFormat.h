#pragma once

#include "bytes/Text.h"

#include <cstddef>
#include <cstdint>
#include <string>

// How the frames of a stream are laid out: the width and sign of a value, frames per second, and
// values per frame (channels interleaved, left first).
struct PcmFormat {
    enum class Encoding { Unsigned8, Signed16 };

    Encoding encoding = Encoding::Unsigned8;
    unsigned rate = 0;
    unsigned channels = 0;

    std::size_t frameBytes() const;
    // The byte every byte of a silent frame holds.
    std::uint8_t silence() const;
    // For messages, e.g. "16-bit stereo at 44100 frames per second".
    Text text() const;
    std::string describe() const { return text().english(); }

    bool operator==(const PcmFormat&) const = default;
};
