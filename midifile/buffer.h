#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A growable run of raw bytes. Records built on it (audio samples, MIDI events) are owned and
// destroyed through a base pointer, hence the virtual destructor.
class buffer : public std::vector<std::uint8_t> {
public:
    using std::vector<std::uint8_t>::vector;
    buffer() = default;
    buffer(const buffer&) = default;
    buffer(buffer&&) noexcept = default;
    buffer& operator=(const buffer&) = default;
    buffer& operator=(buffer&&) noexcept = default;
    virtual ~buffer() = default;

    virtual std::string toString() const;
};
