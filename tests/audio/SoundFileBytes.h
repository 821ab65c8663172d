#pragma once

#include "tests/support/Bytes.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>

// Sound files written byte for byte: the chunks no tool writes, and sources drawn at random.
namespace sound_file_bytes {

using Chunk = std::pair<const char*, Bytes>;

// value in width bytes, least significant first unless bigEndian.
inline Bytes number(std::uint64_t value, unsigned width, bool bigEndian)
{
    Bytes bytes(width);
    for (unsigned i = 0; i < width; ++i)
        bytes[bigEndian ? width - 1 - i : i] = static_cast<std::uint8_t>(value >> (8 * i));
    return bytes;
}

// A RIFF file of form "WAVE", else a big-endian FORM of "AIFF" or "AIFC": each chunk is its id, its
// body's length and its body, with a pad byte after an odd body; tail follows the chunks.
inline Bytes chunked(const char* form, std::initializer_list<Chunk> chunks, const Bytes& tail = {})
{
    const bool bigEndian = std::string_view(form) != "WAVE";
    Bytes body(form, form + 4);
    for (const auto& [tag, content] : chunks)
        body = concat(
            {body, Bytes(tag, tag + 4), number(content.size(), 4, bigEndian), content, Bytes(content.size() % 2, 0)});
    body = concat({body, tail});
    const char* head = bigEndian ? "FORM" : "RIFF";
    return concat({Bytes(head, head + 4), number(body.size(), 4, bigEndian), body});
}

// A WAV format chunk: format 1 integer PCM, 3 floats, 0xFFFE extensible (its fields in extension).
inline Chunk fmt(std::uint16_t format, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                 const Bytes& extension = {})
{
    const std::uint32_t frameBytes = channels * ((bits + 7u) / 8u);
    return {"fmt ", concat({number(format, 2, false), number(channels, 2, false), number(rate, 4, false),
                            number(std::uint64_t{rate} * frameBytes, 4, false), number(frameBytes, 2, false),
                            number(bits, 2, false), extension})};
}

// A WAV file of integer PCM of 8 (unsigned) to 32 bits, or of 32-bit floats, of channels values a
// frame from value(frame, channel), each between -1 and 1.
inline Bytes wav(std::uint32_t rate, std::uint16_t channels, std::uint64_t frames, std::uint16_t bits, bool floating,
                 const std::function<double(std::uint64_t, std::uint16_t)>& value)
{
    const unsigned width = bits / 8u;
    Bytes data;
    data.reserve(frames * channels * width);
    const auto put = [&data](std::uint64_t word, unsigned bytes) {
        for (unsigned i = 0; i < bytes; ++i)
            data.push_back(static_cast<std::uint8_t>(word >> (8 * i)));
    };
    for (std::uint64_t frame = 0; frame < frames; ++frame) {
        for (std::uint16_t channel = 0; channel < channels; ++channel) {
            const double v = value(frame, channel);
            if (floating) {
                const float f = static_cast<float>(v);
                std::uint32_t word = 0;
                std::memcpy(&word, &f, 4);
                put(word, 4);
            } else if (bits == 8) {
                put(static_cast<std::uint64_t>(std::lround(v * 127.0) + 128), 1);
            } else {
                put(static_cast<std::uint64_t>(std::llround(v * std::ldexp(1.0, bits - 1) * 0.999)), width);
            }
        }
    }
    return chunked("WAVE", {fmt(floating ? 3 : 1, channels, rate, bits), {"data", data}});
}

} // namespace sound_file_bytes
