#include "audio/DecodedSound.h"

#include "audio/PcmFileReader.h"
#include "audio/SoundChunks.h"
#include "audio/SoundFileDecoder.h"
#include "audio/SoundFormat.h"
#include "bytes/MemorySource.h"
#include "bytes/SourceFileReader.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace audio {

namespace {

// The first read of a file's head; a head whose chunks before the sound do not fit is read again,
// four times as long, up to a stream's kept head (text, markers, tags with cover pictures).
constexpr std::size_t kFirstHeadBytes = std::size_t{64} * 1024;
constexpr std::size_t kLongestHead = SourceFileReader::kStreamHeadBytes;

// The file's first bytes, as far as the sound's format and the start of its data (or the whole file).
std::vector<std::uint8_t> headOf(SourceReader& source)
{
    std::vector<std::uint8_t> head;
    for (std::size_t size = kFirstHeadBytes;; size *= 4) {
        head.resize(std::min(size, kLongestHead));
        head.resize(source.readAt(0, head));
        PcmFileReader reader(head);
        PcmFrames format;
        if (head.size() < std::min(size, kLongestHead) || size >= kLongestHead
            || recogniseSound(head) != SoundFormat::Convertible
            || (reader.readFormat(format) && reader.m_dataStart != 0))
            return head;
    }
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

SourceRegion within(SourceRegion wanted, std::uint64_t frames)
{
    wanted.last = std::min(wanted.last, frames);
    wanted.first = std::min(wanted.first, wanted.last);
    return wanted;
}

// Integer WAV or AIFF: the header from the head, then the wanted frames' bytes from where they lie.
DecodedSound decodeOwn(SourceReader& source, std::span<const std::uint8_t> head, const FramesWanted& framesWanted,
                       std::uint64_t maxDataBytes)
{
    DecodedSound decoded;
    decoded.failure.kind = ImportResult::Kind::Sound;
    PcmFileReader reader(head);
    PcmFrames format;
    const bool found = reader.readFormat(format) && reader.m_dataStart != 0;
    decoded.frames = format;
    const std::uint64_t frameBytes = static_cast<std::uint64_t>(format.m_channels) * format.m_bytesPerValue;
    if (found && frameBytes != 0 && usableRate(format.m_samplerate)) {
        const std::uint64_t start = reader.m_dataStart;
        // Of a file that can be read anywhere, what it holds of the declared data; a stream is read to find out.
        const std::uint64_t held = source.seekable()
                                       ? std::min(reader.m_declaredLength, std::max(source.size(), start) - start)
                                       : reader.m_declaredLength;
        decoded.wholeFrames = held / frameBytes;
        const SourceRegion wanted = within(framesWanted(format.m_samplerate, frameBytes), decoded.wholeFrames);
        const std::uint64_t bytes = std::min(wanted.length(), maxDataBytes / frameBytes) * frameBytes;
        std::vector<std::uint8_t> data(static_cast<std::size_t>(bytes));
        const std::size_t got = source.readAt(start + wanted.first * frameBytes, data);
        decoded.frames.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(got / frameBytes * frameBytes));
        decoded.firstFrame = wanted.first;
        // AIFF's values are big-endian; the sample's are little-endian.
        if (reader.m_formType != 0x57415645)
            for (auto value = decoded.frames.begin(); value != decoded.frames.end(); value += format.m_bytesPerValue)
                std::reverse(value, value + format.m_bytesPerValue);
        if (!source.seekable() && got < bytes) {
            decoded.wholeFrames = (start + wanted.first * frameBytes + got) / frameBytes;
            decoded.cutShort = true;
        }
    }
    if (source.seekable()) {
        const SoundChunks chunks(
            [&source](std::uint64_t offset, std::span<std::uint8_t> into) { return source.readAt(offset, into); },
            source.size());
        decoded.cutShort = chunks.soundCut();
    }
    // Samples at no usable rate cannot be placed in time: the header is damaged. Without samples
    // either, the file holds no sound, as one without a format chunk.
    if (!found || !usableRate(format.m_samplerate)) {
        const bool samples = found && (reader.m_declaredLength > 0);
        decoded = {};
        decoded.failure = samples ? undecoded(SoundFormat::Convertible, SoundFileDecoder::Failure::Undecodable)
                                  : ImportResult::refused(ImportResult::Refusal::NoSound);
    }
    return decoded;
}

// Every other format, through libsndfile: from the wanted frame on, sought or decoded through.
DecodedSound decodeLibrary(SoundFileDecoder& decoder, SoundFormat format, const FramesWanted& framesWanted,
                           std::uint64_t maxDataBytes)
{
    DecodedSound decoded;
    if (!decoder.isOpen()) {
        decoded.failure = format == SoundFormat::Unknown ? ImportResult::refused(ImportResult::Refusal::NotASound)
                                                         : undecoded(format, decoder.failure());
        return decoded;
    }
    decoded.failure.kind = ImportResult::Kind::Sound;
    SourceRegion wanted = framesWanted(decoder.samplerate(), decoder.frameBytes());
    // No frame past the length the file declares is looked for (an MP3's is an estimate: its end
    // may lie a little further).
    if (decoder.frameCount() != 0)
        wanted.first = std::min(wanted.first, decoder.frameCount());
    wanted.last = std::max(wanted.first, wanted.last);
    decoded.firstFrame = decoder.seek(wanted.first);
    const std::uint64_t frames = std::min(wanted.last - std::min(wanted.last, decoded.firstFrame),
                                          maxDataBytes / std::max<std::size_t>(decoder.frameBytes(), 1));
    decoder.read(decoded.frames, static_cast<std::size_t>(std::min<std::uint64_t>(frames, SIZE_MAX)));
    decoded.wholeFrames = decoder.frameCount();
    decoded.cutShort = decoder.cutShort();
    // Cut before its first frame ended, it holds no sound to keep.
    if (decoded.cutShort && decoded.frames.empty() && decoded.wholeFrames == 0)
        decoded = {PcmFrames{}, 0, 0, false, undecoded(format, SoundFileDecoder::Failure::Damaged)};
    return decoded;
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

double DecodedSound::fileSeconds() const
{
    return frames.m_samplerate > 0.0 ? static_cast<double>(std::max(wholeFrames, heldEnd())) / frames.m_samplerate
                                     : 0.0;
}

std::uint64_t DecodedSound::heldFrameAt(double seconds) const
{
    const double frame = std::round(seconds * frames.m_samplerate) - static_cast<double>(firstFrame);
    return frame > 0.0 ? static_cast<std::uint64_t>(std::min(frame, static_cast<double>(frames.frameCount()))) : 0;
}

double DecodedSound::secondsAt(std::uint64_t heldFrame) const
{
    return frames.m_samplerate > 0.0 ? static_cast<double>(firstFrame + heldFrame) / frames.m_samplerate : 0.0;
}

FramesWanted secondsWanted(double from, double to)
{
    return [from, to](double rate, std::uint64_t) {
        const auto frame = [rate](double seconds, double (*rounding)(double)) {
            const double frames = rounding(std::max(seconds, 0.0) * rate);
            return frames < 1e15 ? static_cast<std::uint64_t>(frames) : std::uint64_t{1'000'000'000'000'000};
        };
        const std::uint64_t first = frame(from, std::floor);
        return SourceRegion{first, std::max(first, frame(to, std::ceil))};
    };
}

DecodedSound decodeSound(SourceReader& source, const FramesWanted& framesWanted, std::uint64_t maxDataBytes)
{
    const std::vector<std::uint8_t> head = headOf(source);
    const SoundFormat format = recogniseSound(head);
    if (format == SoundFormat::Convertible)
        return decodeOwn(source, head, framesWanted, maxDataBytes);
    if (source.seekable()) {
        SoundFileDecoder decoder(source);
        return decodeLibrary(decoder, format, framesWanted, maxDataBytes);
    }
    // libsndfile reads a file back and forth: a stream's bytes are held for it, as far as they go
    // (of a stream that is no sound, its head).
    const std::vector<std::uint8_t> streamed = format == SoundFormat::Unknown ? head : source.bytesUpTo(kStreamedBytes);
    MemorySource held(streamed);
    SoundFileDecoder decoder(held);
    return decodeLibrary(decoder, format, framesWanted, maxDataBytes);
}

DecodedSound decodeSound(std::span<const std::uint8_t> source, const FramesWanted& framesWanted,
                         std::uint64_t maxDataBytes)
{
    MemorySource memory(source);
    return decodeSound(memory, framesWanted, maxDataBytes);
}

DecodedSound decodeSound(std::span<const std::uint8_t> source, double maxSeconds)
{
    return decodeSound(source, secondsWanted(0.0, maxSeconds), UINT64_MAX);
}

} // namespace audio
