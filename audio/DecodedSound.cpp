#include "audio/DecodedSound.h"

#include "audio/SoundChunks.h"
#include "audio/SoundFileDecoder.h"
#include "audio/SoundFormat.h"
#include "audio/ZQAudioFileReader.h"

#include <algorithm>
#include <cmath>

namespace audio {

namespace {

// WAV and AIFF data bytes to read: the frames wanted, within the cap.
std::uint64_t dataBytesWanted(ZQAudioFileReader& reader, const FramesWanted& framesWanted, std::uint64_t cap)
{
    sample format;
    if (!reader.readFormat(format) || !usableRate(format.m_samplerate)) {
        return cap;
    }
    const double frameBytes = static_cast<double>(format.m_channels) * format.m_byterate;
    const double bytes = static_cast<double>(framesWanted(format.m_samplerate)) * frameBytes;
    return bytes >= 1.0 && bytes < static_cast<double>(cap) ? static_cast<std::uint64_t>(bytes) : cap;
}

// A file that looks like a sound and that no decoder took: a format or encoding none knows, said
// apart from a format that did not decode (cut short, damaged) or whose library is missing.
ImportResult undecoded(SoundFormat format, SoundFileDecoder::Failure failure)
{
    using Failure = SoundFileDecoder::Failure;
    if (failure != Failure::NoLibrary && failure != Failure::Damaged
        && (format == SoundFormat::Encoded || failure != Failure::Undecodable)) {
        return ImportResult::refused(ImportResult::Refusal::OtherSoundFormat);
    }
    ImportResult result = ImportResult::refused(ImportResult::Refusal::Undecodable);
    result.cause = failure == Failure::NoLibrary ? ImportResult::Cause::NoDecoderLibrary : ImportResult::Cause::Damaged;
    return result;
}

} // namespace

bool usableRate(double samplerate)
{
    return std::isfinite(samplerate) && samplerate >= 1.0;
}

double DecodedSound::seconds() const
{
    return frames.m_samplerate > 0.0 ? static_cast<double>(frames.frameCount()) / frames.m_samplerate : 0.0;
}

std::uint64_t bytesDecoded(std::span<const std::uint8_t> head, const FramesWanted& framesWanted,
                           std::uint64_t maxDataBytes)
{
    // Only WAV says where its data starts (AIFF's lies past an offset of any length); the other
    // formats are libsndfile's, which reads as it likes.
    ZQAudioFileReader reader(head);
    sample format;
    if (recogniseSound(head) != SoundFormat::Convertible || !reader.readFormat(format) || reader.m_dataStart == 0) {
        return UINT64_MAX;
    }
    return reader.m_dataStart + dataBytesWanted(reader, framesWanted, maxDataBytes);
}

DecodedSound decodeSound(std::span<const std::uint8_t> source, const FramesWanted& framesWanted,
                         std::uint64_t maxDataBytes, std::uint64_t fileSize)
{
    DecodedSound decoded;
    decoded.failure.kind = ImportResult::Kind::Sound;
    const SoundFormat format = recogniseSound(source);
    if (format == SoundFormat::Convertible) {
        ZQAudioFileReader reader(source);
        reader.read(decoded.frames, static_cast<std::size_t>(dataBytesWanted(reader, framesWanted, maxDataBytes)));
        const std::uint64_t frameBytes
            = static_cast<std::uint64_t>(decoded.frames.m_channels) * decoded.frames.m_byterate;
        // What the rest of the file can hold of the declared data.
        const std::uint64_t unread = fileSize > source.size() ? fileSize - source.size() : 0;
        const std::uint64_t data = std::min(reader.m_declaredLength, reader.m_dataLength + unread);
        decoded.wholeFrames = frameBytes != 0 ? data / frameBytes : 0;
        const SoundChunks chunks(
            [source](std::uint64_t offset, std::span<std::uint8_t> into) {
                const std::size_t count = offset < source.size() ? std::min(into.size(), source.size() - offset) : 0;
                std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(offset), count, into.begin());
                return count;
            },
            std::max<std::uint64_t>(fileSize, source.size()));
        decoded.cutShort = chunks.soundCut();
        // Samples at no usable rate cannot be placed in time: the header is damaged. Without
        // samples either, the file holds no sound, as one without a format chunk.
        if (!usableRate(decoded.frames.m_samplerate)) {
            const bool samples = !decoded.frames.empty() || decoded.wholeFrames > 0;
            decoded = {};
            decoded.failure = samples ? undecoded(format, SoundFileDecoder::Failure::Undecodable)
                                      : ImportResult::refused(ImportResult::Refusal::NoSound);
        }
    } else if (SoundFileDecoder decoder(source); decoder.isOpen()) {
        // The decoder bounds what it holds however high the rate.
        const auto frames = static_cast<double>(framesWanted(decoder.samplerate()));
        decoder.read(decoded.frames, static_cast<std::size_t>(std::min(frames, 1e12)));
        decoded.wholeFrames = decoder.frameCount();
        // Of the first bytes of a longer file, a decoder that runs out says nothing of the file.
        decoded.cutShort = decoder.cutShort() && fileSize <= source.size();
        // Cut before its first frame ended, it holds no sound to keep.
        if (decoded.cutShort && decoded.frames.empty())
            decoded = {sample{}, 0, false, undecoded(format, SoundFileDecoder::Failure::Damaged)};
    } else {
        decoded.failure = format == SoundFormat::Unknown ? ImportResult::refused(ImportResult::Refusal::NotASound)
                                                         : undecoded(format, decoder.failure());
    }
    return decoded;
}

DecodedSound decodeSound(std::span<const std::uint8_t> source, double maxSeconds)
{
    const auto wanted = [maxSeconds](double rate) {
        const double frames = std::ceil(maxSeconds * rate);
        return frames > 0.0 && frames < 1e12 ? static_cast<std::uint64_t>(frames) : std::uint64_t{0};
    };
    return decodeSound(source, wanted, UINT64_MAX);
}

} // namespace audio
