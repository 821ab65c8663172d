#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A growable run of raw bytes. Records built on it (audio samples, MIDI events) are owned and
// destroyed through a base pointer, hence the virtual destructor.
class ByteBuffer : public std::vector<std::uint8_t> {
public:
    using std::vector<std::uint8_t>::vector;
    ByteBuffer() = default;
    ByteBuffer(const ByteBuffer&) = default;
    ByteBuffer(ByteBuffer&&) noexcept = default;
    ByteBuffer& operator=(const ByteBuffer&) = default;
    ByteBuffer& operator=(ByteBuffer&&) noexcept = default;
    virtual ~ByteBuffer() = default;

    virtual std::string toString() const;
};
