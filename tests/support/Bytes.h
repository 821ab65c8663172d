#pragma once

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

// A file chunk: four-character id, big-endian length of the body, body.
inline Bytes chunk(const char* id, const Bytes& body)
{
    Bytes bytes(id, id + 4);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(body.size() >> shift));
    return concat({bytes, body});
}
