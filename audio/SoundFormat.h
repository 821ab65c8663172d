#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace audio {

// What the leading bytes of a file say it is, as far as a sample slot is concerned.
enum class SoundFormat {
    Convertible, // integer PCM WAV or uncompressed AIFF: our own reader takes it
    Encoded, // WAV or AIFF of another encoding (floating point, compressed, ...): a decoder's, if any
    Other, // another sound format's leading bytes (FLAC, Ogg, MP3, ...): a decoder's, if any
    Unknown, // no sound format known here: raw device bytes, unless a decoder knows better
};

// bytes is the file from its start; WAV chunks are walked as far as they go.
SoundFormat recogniseSound(std::span<const std::uint8_t> bytes);

// The most zero bytes looked through for an MP3's first frame.
inline constexpr std::size_t kMostMpegPadding = std::size_t{64} * 1024;

// Where the first MPEG audio frame of an MP3 that starts with zero padding (alone, or after its
// ID3v2 tag) begins: players skip the padding, libsndfile does not. 0 for any other file.
std::size_t mpegPadding(std::span<const std::uint8_t> bytes);
// Its two parts: the bytes of an ID3v2 tag at the start of a file (0 without one; its first ten
// bytes tell), and how many zero bytes stand before an MPEG frame header (0 if none does).
std::size_t id3TagBytes(std::span<const std::uint8_t> bytes);
std::size_t zerosBeforeMpegFrame(std::span<const std::uint8_t> bytes);

} // namespace audio
