#include "bytes/ByteWriter.h"

#include <array>
#include <limits>

ByteWriter::ByteWriter(const std::string& path)
    : std::ofstream(path, std::ios::binary | std::ios::out | std::ios::trunc)
{
}

std::size_t ByteWriter::writeByte(std::uint8_t value)
{
    put(static_cast<char>(value));
    return 1;
}

std::size_t ByteWriter::writeUInt16(std::uint16_t value, bool bigEndian)
{
    const std::uint8_t high = static_cast<std::uint8_t>(value >> 8);
    const std::uint8_t low = static_cast<std::uint8_t>(value);
    const std::array<std::uint8_t, 2> bytes
        = bigEndian ? std::array<std::uint8_t, 2>{high, low} : std::array<std::uint8_t, 2>{low, high};
    return writeBytes(bytes.data(), bytes.size());
}

std::size_t ByteWriter::writeUInt32(std::uint32_t value, bool bigEndian)
{
    std::array<std::uint8_t, 4> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t shift = bigEndian ? 8 * (bytes.size() - 1 - i) : 8 * i;
        bytes[i] = static_cast<std::uint8_t>(value >> shift);
    }
    return writeBytes(bytes.data(), bytes.size());
}

std::size_t ByteWriter::writeBytes(const std::uint8_t* data, std::size_t count)
{
    if (data == nullptr || count == 0)
        return 0;
    write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(count));
    return count;
}

std::size_t ByteWriter::writeBuffer(const ByteBuffer& bytes, std::size_t count)
{
    if (count == 0 || count > bytes.size())
        count = bytes.size();
    return writeBytes(bytes.data(), count);
}

std::size_t ByteWriter::writeVarLen(std::uint64_t value)
{
    if (value > largestVarLen)
        return 0;
    std::array<std::uint8_t, 4> groups{};
    std::size_t count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    std::array<std::uint8_t, 4> bytes{};
    for (std::size_t i = 0; i < count; ++i) {
        const bool more = i + 1 < count;
        bytes[i] = static_cast<std::uint8_t>(groups[count - 1 - i] | (more ? 0x80 : 0x00));
    }
    return writeBytes(bytes.data(), count);
}

std::uint64_t ByteWriter::tell()
{
    const std::streamoff position = tellp();
    if (fail() || position < 0)
        return std::numeric_limits<std::uint64_t>::max();
    return static_cast<std::uint64_t>(position);
}

void ByteWriter::seek(std::uint64_t position)
{
    if (position > static_cast<std::uint64_t>(std::numeric_limits<std::streamoff>::max())) {
        setstate(std::ios::failbit);
        return;
    }
    seekp(static_cast<std::streamoff>(position));
}
