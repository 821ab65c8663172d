#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

// Byte builders for file and message fixtures written by hand.
using Bytes = std::vector<std::uint8_t>;

inline Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A System Exclusive message of the device's maker, F0 31, then fill up to its closing F7.
inline Bytes deviceMessage(std::size_t length, std::uint8_t fill = 0x01)
{
    Bytes message(length, fill);
    message[0] = 0xF0;
    message[1] = 0x31;
    message.back() = 0xF7;
    return message;
}

// A message of a flash write's length for a block, with byte 4 as given (0x20 with the channel for
// a bank's own write; anything else is no write) and every data byte 0x01.
inline Bytes flashWrite(unsigned block, std::uint8_t fourth = 0x20)
{
    Bytes message = deviceMessage(131078);
    message[2] = static_cast<std::uint8_t>(0x40 | block);
    message[3] = 0x38;
    message[4] = fourth;
    return message;
}

// A file chunk: four-character id, big-endian length of the body, body.
inline Bytes chunk(const char* id, const Bytes& body)
{
    Bytes bytes(id, id + 4);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(body.size() >> shift));
    return concat({bytes, body});
}
