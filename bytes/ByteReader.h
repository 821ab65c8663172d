#pragma once

#include "bytes/ByteBuffer.h"
#include "bytes/MemoryStreamBuffer.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <span>
#include <string>

// Binary input file with typed reads. Bytes missing at the end of the file read as 0 and leave the
// stream failed; a failed stream stays failed, and later reads deliver nothing. Parsers bound every
// allocation by remaining(), so a crafted length can never ask for more than the file holds.
// The read position is counted by these operations rather than asked of the system, which would
// cost a system call per event; derived readers move through the file only with them.
class ByteReader : public std::ifstream {
public:
    explicit ByteReader(const std::string& path);
    // Reads bytes already in memory as if they were a whole file; they must outlive the stream.
    explicit ByteReader(std::span<const std::uint8_t> bytes);
    ~ByteReader() override = default;

    std::uint8_t readByte();
    std::uint16_t readUInt16(bool bigEndian);
    std::uint32_t readUInt32(bool bigEndian);
    // Up to count bytes; returns how many arrived.
    std::size_t readBytes(std::uint8_t* destination, std::size_t count);
    // Fills the buffer to its current size; shortened to what arrived.
    std::size_t readBuffer(ByteBuffer& bytes);
    // readBuffer, then keeps whole words of width bytes only, each reversed when swap is true.
    std::size_t readSwappedBuffer(ByteBuffer& bytes, std::size_t width, bool swap);
    // An IEEE 754 80-bit extended value, big-endian, as a double (fraction cut, not rounded).
    double readExtended();
    // A MIDI variable-length quantity. More than four bytes is malformed and fails the stream.
    std::uint64_t readVarLen();
    // Bytes from here up to and including the next byte equal to value; the position is kept.
    // 0, with the stream failed, when the file ends first.
    std::uint64_t scanFor(std::uint8_t value);

    // Moving past the end is allowed; the next read fails. False once the stream has failed.
    bool skip(std::uint64_t count);
    void seek(std::uint64_t position);
    // The read position; all ones once the stream has failed.
    std::uint64_t tell();
    // Bytes between the read position and the end of the file; 0 once the stream has failed.
    std::uint64_t remaining();

    static constexpr std::size_t longestVarLen = 4;

private:
    // Where every read goes: the file's buffer, or the memory buffer when reading bytes.
    std::streambuf* source() { return std::istream::rdbuf(); }

    std::unique_ptr<MemoryStreamBuffer> m_memory;
    std::uint64_t m_fileSize = 0;
    std::uint64_t m_position = 0;
};
