#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace audio {

// What the leading bytes of a file say it is, as far as a sample slot is concerned.
enum class SoundFormat {
    Convertible, // integer PCM WAV or uncompressed AIFF: our own reader takes it
    Encoded,     // WAV or AIFF of another encoding (floating point, compressed, ...): a decoder's, if any
    Other,       // another sound format's leading bytes (FLAC, Ogg, MP3, ...): a decoder's, if any
    Unknown,     // no sound format known here: raw device bytes, unless a decoder knows better
};

// bytes is the file from its start; WAV chunks are walked as far as they go.
SoundFormat recogniseSound(std::span<const std::uint8_t> bytes);

// The most zero bytes looked through for an MP3's first frame.
inline constexpr std::size_t kMostMpegPadding = 64 * 1024;

// How many zero bytes stand before an MPEG audio frame header at the start of the file (an MP3
// that starts with padding, which players skip and libsndfile does not); 0 for any other file.
std::size_t mpegPadding(std::span<const std::uint8_t> bytes);

} // namespace audio
