#include "bytes/ByteReader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstring>
#include <limits>

ByteReader::ByteReader(const std::string& path)
    : std::ifstream(path, std::ios::binary | std::ios::in)
{
    if (!is_open())
        return;
    // Taken once: the file is only read, and remaining() runs before every allocation.
    seekg(0, std::ios::end);
    const std::streamoff end = tellg();
    seekg(0, std::ios::beg);
    if (fail() || end < 0)
        setstate(std::ios::failbit);
    else
        m_fileSize = static_cast<std::uint64_t>(end);
}

ByteReader::ByteReader(std::span<const std::uint8_t> bytes)
    : m_memory(std::make_unique<MemoryStreamBuffer>(bytes))
    , m_fileSize(bytes.size())
{
    std::istream::rdbuf(m_memory.get());
}

std::uint8_t ByteReader::readByte()
{
    if (fail())
        return 0;
    // Straight from the buffer: events are mostly single bytes, and a sentry per byte shows.
    const std::ifstream::int_type value = source()->sbumpc();
    if (std::ifstream::traits_type::eq_int_type(value, std::ifstream::traits_type::eof())) {
        setstate(std::ios::eofbit | std::ios::failbit);
        return 0;
    }
    ++m_position;
    return static_cast<std::uint8_t>(std::ifstream::traits_type::to_char_type(value));
}

std::uint16_t ByteReader::readUInt16(bool bigEndian)
{
    std::array<std::uint8_t, 2> bytes{};
    readBytes(bytes.data(), bytes.size());
    if (bigEndian)
        return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
    return static_cast<std::uint16_t>(bytes[1] << 8 | bytes[0]);
}

std::uint32_t ByteReader::readUInt32(bool bigEndian)
{
    std::array<std::uint8_t, 4> bytes{};
    readBytes(bytes.data(), bytes.size());
    if (!bigEndian)
        std::reverse(bytes.begin(), bytes.end());
    std::uint32_t value = 0;
    for (const std::uint8_t byte : bytes)
        value = value << 8 | byte;
    return value;
}

std::size_t ByteReader::readBytes(std::uint8_t* destination, std::size_t count)
{
    if (destination == nullptr || count == 0 || fail())
        return 0;
    read(reinterpret_cast<char*>(destination), static_cast<std::streamsize>(count));
    const auto arrived = static_cast<std::size_t>(gcount());
    m_position += arrived;
    return arrived;
}

std::size_t ByteReader::readBuffer(ByteBuffer& bytes)
{
    bytes.resize(readBytes(bytes.data(), bytes.size()));
    return bytes.size();
}

std::size_t ByteReader::readSwappedBuffer(ByteBuffer& bytes, std::size_t width, bool swap)
{
    const std::size_t count = readBuffer(bytes);
    if (width < 2 || count < width)
        return count;
    bytes.resize(count - count % width);
    if (swap) {
        for (auto word = bytes.begin(); word != bytes.end(); word += static_cast<std::ptrdiff_t>(width))
            std::reverse(word, word + static_cast<std::ptrdiff_t>(width));
    }
    return bytes.size();
}

double ByteReader::readExtended()
{
    std::array<std::uint8_t, 10> bytes{};
    readBytes(bytes.data(), bytes.size());
    const std::uint64_t sign = bytes[0] >> 7;
    const std::uint64_t exponent = static_cast<std::uint64_t>(bytes[0] & 0x7F) << 8 | bytes[1];
    std::uint64_t mantissa = 0;
    for (std::size_t i = 2; i < bytes.size(); ++i)
        mantissa = mantissa << 8 | bytes[i];
    // Rebias 16383 to 1023 by keeping the low 11 bits of the exponent; the explicit integer bit
    // and the 11 lowest fraction bits do not fit a double.
    const std::uint64_t doubleExponent = ((exponent & 0xFFF) + 0x400) & 0xFFF;
    const std::uint64_t fraction = (mantissa >> 11) & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t bits = sign << 63 | doubleExponent << 52 | fraction;
    return std::bit_cast<double>(bits);
}

std::uint64_t ByteReader::readVarLen()
{
    std::uint64_t value = 0;
    for (std::size_t count = 0; count < longestVarLen; ++count) {
        const std::uint8_t byte = readByte();
        if (fail())
            return value;
        value = value << 7 | (byte & 0x7F);
        if ((byte & 0x80) == 0)
            return value;
    }
    setstate(std::ios::failbit);
    return value;
}

std::uint64_t ByteReader::scanFor(std::uint8_t value)
{
    if (fail())
        return 0;
    std::array<char, 4096> chunk{};
    std::uint64_t scanned = 0;
    for (;;) {
        const std::streamsize got = source()->sgetn(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (got <= 0) {
            setstate(std::ios::eofbit | std::ios::failbit);
            return 0;
        }
        const void* found = std::memchr(chunk.data(), value, static_cast<std::size_t>(got));
        if (found != nullptr) {
            scanned += static_cast<std::uint64_t>(static_cast<const char*>(found) - chunk.data()) + 1;
            seekg(static_cast<std::streamoff>(m_position));
            return scanned;
        }
        scanned += static_cast<std::uint64_t>(got);
    }
}

bool ByteReader::skip(std::uint64_t count)
{
    if (fail())
        return false;
    if (count > static_cast<std::uint64_t>(std::numeric_limits<std::streamoff>::max() / 2)) {
        setstate(std::ios::failbit);
        return false;
    }
    seekg(static_cast<std::streamoff>(count), std::ios::cur);
    m_position += count;
    return !fail();
}

void ByteReader::seek(std::uint64_t position)
{
    if (fail())
        return;
    if (position > static_cast<std::uint64_t>(std::numeric_limits<std::streamoff>::max() / 2)) {
        setstate(std::ios::failbit);
        return;
    }
    seekg(static_cast<std::streamoff>(position));
    m_position = position;
}

std::uint64_t ByteReader::tell()
{
    if (fail())
        return std::numeric_limits<std::uint64_t>::max();
    assert(tellg() == static_cast<std::streamoff>(m_position));
    return m_position;
}

std::uint64_t ByteReader::remaining()
{
    const std::uint64_t position = tell();
    if (position == std::numeric_limits<std::uint64_t>::max() || position >= m_fileSize)
        return 0;
    return m_fileSize - position;
}
