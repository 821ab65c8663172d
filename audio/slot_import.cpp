#include "audio/slot_import.h"

#include "audio/SoundFileDecoder.h"
#include "audio/SoundFormat.h"
#include "audio/ZQAudioFileReader.h"
#include "audio/slot_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace audio {

namespace {

constexpr std::uint8_t silence = 0x80;
constexpr std::size_t fadeLength = 7;
constexpr double deviceRate = 33000.0;
// Source bytes read per slot byte (32-bit stereo at 99 kHz): at most 768 KiB for a 32 KiB slot.
constexpr std::size_t sourceBytesPerSlotByte = 24;
// What a sound file may hold before its sample data (text, markers, tags with cover pictures).
constexpr std::size_t headerAllowance = 8 * 1024 * 1024;
// Source frames read past the last one the slot needs: the classic rate step interpolates
// towards the next frame, the clean resampler's filter looks ahead.
constexpr double framesAfterTheSlot = 1024.0;

// Halves the distance to the zero line once more for every byte, so the last byte is silence.
void fadeOut(std::vector<std::uint8_t>& bytes, std::size_t count)
{
    for (std::size_t step = 1; step <= fadeLength; ++step) {
        std::uint8_t& byte = bytes[count - fadeLength + step - 1];
        if (byte == silence) {
            continue;
        }
        const int value = std::max<int>(byte, 1);
        const int distance = (value > silence ? value - silence : silence - value) >> step;
        byte = static_cast<std::uint8_t>(value > silence ? silence + distance : silence - distance);
    }
}

// What export writes of a slot: its bytes as they are, in the device format.
bool isSlotImage(const sample& fileSample, std::size_t slotLength)
{
    return fileSample.m_channels == 1 && fileSample.m_bitrate == 8 && fileSample.m_unsigned8Bit
           && fileSample.m_samplerate == deviceRate && fileSample.size() == slotLength;
}

// The whole sound's length at the device rate, though only what fits the slot was read.
// A rate a header can claim (a tiny AIFF rate) can make it longer than any count: it stops there.
std::size_t deviceLength(std::uint64_t frames, double samplerate)
{
    if (!(samplerate > 0.0)) {
        return 0;
    }
    const double length = static_cast<double>(frames) * deviceRate / samplerate;
    constexpr double longest = 0x1p63;
    return length < longest ? static_cast<std::size_t>(length) : static_cast<std::size_t>(longest);
}

// The one conversion every sound takes into the slot, whichever decoder read it, as the options
// say; result learns the sound's length (from its first frame that reached the slot) and what
// trim and normalise did.
std::size_t convertInto(const sample& fileSample, std::uint64_t fileFrames, std::vector<std::uint8_t>& bytes,
                        ImportResult& result)
{
    const std::vector<std::uint8_t> device = convertForSlot(fileSample, bytes.size(), result.options, result);
    std::copy(device.begin(), device.end(), bytes.begin());
    const std::size_t whole = deviceLength(fileFrames, fileSample.m_samplerate);
    result.length = std::max(device.size(), whole > result.trimmed ? whole - result.trimmed : 0);
    return device.size();
}

std::size_t importAudio(const sample& fileSample, std::uint64_t dataLength, std::vector<std::uint8_t>& bytes,
                        ImportResult& result)
{
    const std::uint64_t frameBytes = static_cast<std::uint64_t>(fileSample.m_channels) * fileSample.m_byterate;
    return convertInto(fileSample, frameBytes != 0 ? dataLength / frameBytes : 0, bytes, result);
}

// The file's frames that the conversion can use: reading a long file's every frame only to leave
// most of them unconverted took an import longer than its conversion.
double sourceFramesUsed(double samplerate, std::size_t slotLength, const ImportOptions& options)
{
    return std::ceil(static_cast<double>(deviceFramesUsed(slotLength, options)) * samplerate / deviceRate)
           + framesAfterTheSlot;
}

// WAV and AIFF data bytes to read: the frames the conversion can use, within the cap.
std::size_t sourceBytesUsed(ZQAudioFileReader& reader, std::size_t slotLength, const ImportOptions& options)
{
    const std::size_t cap = sourceBytesPerSlotByte * slotLength;
    sample format;
    if (!reader.readFormat(format) || !(format.m_samplerate > 0.0)) {
        return cap;
    }
    const double frameBytes = static_cast<double>(format.m_channels) * format.m_byterate;
    const double bytes = sourceFramesUsed(format.m_samplerate, slotLength, options) * frameBytes;
    return bytes >= 1.0 && bytes < static_cast<double>(cap) ? static_cast<std::size_t>(bytes) : cap;
}

std::size_t importDecoded(SoundFileDecoder& decoder, std::vector<std::uint8_t>& bytes, ImportResult& result)
{
    // The decoder bounds what it holds however high the rate.
    const double frames = sourceFramesUsed(decoder.samplerate(), bytes.size(), result.options);
    sample fileSample;
    decoder.read(fileSample, static_cast<std::size_t>(std::min(frames, 1e12)));
    return convertInto(fileSample, decoder.frameCount(), bytes, result);
}

// A file that looks like a sound and that no decoder took: a format or encoding none knows, said
// apart from a format that did not decode (cut short, damaged) or whose library is missing.
ImportResult undecoded(SoundFormat format, SoundFileDecoder::Failure failure)
{
    using Failure = SoundFileDecoder::Failure;
    if (failure != Failure::NoLibrary && (format == SoundFormat::Encoded || failure != Failure::Undecodable)) {
        return ImportResult::refused(ImportResult::Refusal::OtherSoundFormat);
    }
    ImportResult result = ImportResult::refused(ImportResult::Refusal::Undecodable);
    result.detail = failure == SoundFileDecoder::Failure::NoLibrary ? "libsndfile.so.1, which decodes it, is not installed"
                                                                      : "the file is damaged or cut short";
    return result;
}

std::size_t importRaw(std::span<const std::uint8_t> source, std::vector<std::uint8_t>& bytes)
{
    const std::size_t count = std::min(source.size(), bytes.size());
    std::copy_n(source.begin(), count, bytes.begin());
    return count;
}

} // namespace

std::size_t sourceLimit(std::size_t slotLength)
{
    return sourceBytesPerSlotByte * slotLength + headerAllowance;
}

ImportResult importSlot(std::span<const std::uint8_t> source, const ImportOptions& options,
                        std::vector<std::uint8_t>& slot)
{
    if (source.empty() || slot.empty()) {
        return ImportResult::refused(ImportResult::Refusal::NoSound);
    }
    std::vector<std::uint8_t> imported(slot.size(), silence);
    ImportResult result{ImportResult::Kind::Sound, 0, slot.size()};
    result.options = options;
    std::size_t count = 0;
    const SoundFormat format = recogniseSound(source);
    if (format == SoundFormat::Convertible) {
        ZQAudioFileReader reader(source);
        sample fileSample;
        reader.read(fileSample, sourceBytesUsed(reader, slot.size(), options));
        // Taken back unchanged: a second fade would wear down the end of a sound on every round trip.
        if (isSlotImage(fileSample, slot.size()) && !options.shapes()) {
            std::copy(fileSample.begin(), fileSample.end(), slot.begin());
            result.length = slot.size();
            return result;
        }
        count = importAudio(fileSample, reader.m_dataLength, imported, result);
    } else if (SoundFileDecoder decoder(source); decoder.isOpen()) {
        count = importDecoded(decoder, imported, result);
    } else if (options.raw) {
        // The user asked for the bytes: leading bytes that look like a sound's do not make one.
        count = importRaw(source, imported);
        result = {ImportResult::Kind::Raw, source.size(), slot.size()};
    } else if (format != SoundFormat::Unknown) {
        return undecoded(format, decoder.failure());
    } else {
        return ImportResult::refused(ImportResult::Refusal::NotASound);
    }
    if (count == 0) {
        return ImportResult::refused(ImportResult::Refusal::NoSound);
    }
    if (count >= fadeLength) {
        fadeOut(imported, count);
    }
    imported.front() = silence;
    slot = std::move(imported);
    return result;
}

} // namespace audio
