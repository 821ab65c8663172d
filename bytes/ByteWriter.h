#pragma once

#include "bytes/ByteBuffer.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

// Binary output file with typed writes. Every write returns the bytes it put out, so that callers
// can count a chunk's length as they go; a stream that failed stays failed and writes nothing.
class ByteWriter : public std::ofstream {
public:
    // Creates the file or cuts it to zero length.
    explicit ByteWriter(const std::string& path);
    ~ByteWriter() override = default;

    std::size_t writeByte(std::uint8_t value);
    std::size_t writeUInt16(std::uint16_t value, bool bigEndian);
    std::size_t writeUInt32(std::uint32_t value, bool bigEndian);
    std::size_t writeBytes(const std::uint8_t* data, std::size_t count);
    // The first count bytes, or the whole buffer when count is 0.
    std::size_t writeBuffer(const ByteBuffer& bytes, std::size_t count = 0);
    // A MIDI variable-length quantity of 1 to 4 bytes; values above 0xFFFFFFF are refused (0).
    std::size_t writeVarLen(std::uint64_t value);

    // The write position; all ones once the stream has failed.
    std::uint64_t tell();
    void seek(std::uint64_t position);

    static constexpr std::uint64_t largestVarLen = 0x0FFFFFFF;
};
