#include "audio/SoundFormat.h"

#include "audio/PcmFileReader.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace audio {

namespace {

bool startsWith(std::span<const std::uint8_t> bytes, std::size_t offset, std::string_view tag)
{
    return bytes.size() >= offset + tag.size()
           && std::equal(tag.begin(), tag.end(), bytes.subspan(offset).begin(),
                         [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

// An MPEG audio frame header: the sync bits, a layer, and a bit rate and sample rate that exist.
// Raw device data rarely starts with eleven set bits, and a valid header on top of that is rarer still.
bool isMpegFrame(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 4 || bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0)
        return false;
    const unsigned layer = (bytes[1] >> 1) & 0x3;
    const unsigned bitRate = bytes[2] >> 4;
    const unsigned sampleRate = (bytes[2] >> 2) & 0x3;
    return layer != 0 && bitRate != 0xF && sampleRate != 0x3;
}

// Leading tags of sound files the converter does not take, with the offset they stand at.
struct Signature {
    std::size_t offset;
    std::string_view tag;
};
constexpr std::array<Signature, 10> kOtherSounds{{
    {0, "fLaC"}, // FLAC
    {0, "OggS"}, // Ogg: Vorbis, Opus, FLAC
    {0, "ID3"}, // MP3 behind an ID3v2 tag
    {0, ".snd"}, // AU
    {0, "caff"}, // CAF
    {4, "ftyp"}, // MP4, M4A
    {0, "RF64"}, // WAV beyond 4 GB
    {0, "BW64"},
    {0, "riff"}, // Wave64
    {0, "wvpk"}, // WavPack
}};

} // namespace

SoundFormat recogniseSound(std::span<const std::uint8_t> bytes)
{
    const PcmFileReader reader(bytes);
    if (reader.isAudioFile())
        return reader.isPcmFile() ? SoundFormat::Convertible : SoundFormat::Encoded;
    const bool other = isMpegFrame(bytes) || mpegPadding(bytes) != 0
                       || std::any_of(kOtherSounds.begin(), kOtherSounds.end(),
                                      [&](const Signature& s) { return startsWith(bytes, s.offset, s.tag); });
    return other ? SoundFormat::Other : SoundFormat::Unknown;
}

std::size_t id3TagBytes(std::span<const std::uint8_t> bytes)
{
    if (!startsWith(bytes, 0, "ID3") || bytes.size() < 10)
        return 0;
    // The size counts seven bits a byte; a footer adds ten bytes.
    std::size_t tag = 10 + (bytes[5] & 0x10 ? 10 : 0);
    for (std::size_t i = 6; i < 10; ++i)
        tag += static_cast<std::size_t>(bytes[i] & 0x7F) << (7 * (9 - i));
    return tag;
}

std::size_t zerosBeforeMpegFrame(std::span<const std::uint8_t> bytes)
{
    const auto zeros = static_cast<std::size_t>(
        std::find_if(bytes.begin(),
                     bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), kMostMpegPadding)),
                     [](std::uint8_t byte) { return byte != 0; })
        - bytes.begin());
    return zeros != 0 && isMpegFrame(bytes.subspan(zeros)) ? zeros : 0;
}

std::size_t mpegPadding(std::span<const std::uint8_t> bytes)
{
    const std::size_t tag = id3TagBytes(bytes);
    const std::size_t zeros = tag < bytes.size() ? zerosBeforeMpegFrame(bytes.subspan(tag)) : 0;
    return zeros != 0 ? tag + zeros : 0;
}

} // namespace audio
