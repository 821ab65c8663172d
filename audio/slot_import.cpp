#include "audio/slot_import.h"

#include "audio/SoundFileDecoder.h"
#include "audio/ZQAudioFileReader.h"
#include "audio/converter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace audio {

namespace {

constexpr std::uint8_t silence = 0x80;
constexpr double deviceRate = 33000.0;
constexpr std::size_t fadeLength = 7;
// Source bytes read per slot byte (32-bit stereo at 99 kHz): at most 768 KiB for a 32 KiB slot.
constexpr std::size_t sourceBytesPerSlotByte = 24;

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

// The whole sound's length at the device rate, though only what fits the slot was read.
std::size_t deviceLength(std::uint64_t frames, double samplerate)
{
    return samplerate > 0.0 ? static_cast<std::size_t>(static_cast<double>(frames) * deviceRate / samplerate) : 0;
}

// The one conversion every sound takes into the slot, whichever decoder read it.
std::size_t convertInto(const sample& fileSample, std::vector<std::uint8_t>& bytes)
{
    const converter deviceFormat(1, 8, true, deviceRate);
    sample deviceSample;
    deviceFormat.convert(deviceSample, fileSample, bytes.size());
    const std::size_t count = std::min(bytes.size(), deviceSample.size());
    std::copy_n(deviceSample.begin(), count, bytes.begin());
    return count;
}

std::size_t importAudio(ZQAudioFileReader& reader, std::vector<std::uint8_t>& bytes, std::size_t& length)
{
    sample fileSample;
    reader.read(fileSample, sourceBytesPerSlotByte * bytes.size());
    const std::size_t count = convertInto(fileSample, bytes);
    const std::uint64_t frameBytes = static_cast<std::uint64_t>(fileSample.m_channels) * fileSample.m_byterate;
    const std::uint64_t frames = frameBytes != 0 ? reader.m_dataLength / frameBytes : 0;
    length = std::max(count, deviceLength(frames, fileSample.m_samplerate));
    return count;
}

std::size_t importDecoded(SoundFileDecoder& decoder, std::vector<std::uint8_t>& bytes, std::size_t& length)
{
    // The file's frames that fill the slot, and one more for the last interpolation; the decoder
    // bounds what it holds however high the rate.
    const double frames = std::ceil(static_cast<double>(bytes.size()) * decoder.samplerate() / deviceRate) + 1;
    sample fileSample;
    decoder.read(fileSample, static_cast<std::size_t>(std::min(frames, 1e12)));
    const std::size_t count = convertInto(fileSample, bytes);
    length = std::max(count, deviceLength(decoder.frameCount(), decoder.samplerate()));
    return count;
}

std::size_t importRaw(ZQAudioFileReader& reader, std::vector<std::uint8_t>& bytes, std::size_t& length)
{
    // A file shorter than the header probe has left the stream failed; its bytes count all the same.
    reader.clear();
    reader.seek(0);
    const std::size_t count = reader.readRaw(bytes.data(), bytes.size());
    length = count + static_cast<std::size_t>(reader.remaining());
    return count;
}

} // namespace

bool isUnconvertibleSound(const char* path)
{
    const ZQAudioFileReader probe(path);
    return probe.isAudioFile() && !probe.isPcmFile() && !SoundFileDecoder(path).isOpen();
}

ImportResult importSlot(const char* path, std::vector<std::uint8_t>& slot)
{
    ZQAudioFileReader reader(path);
    if (!reader.is_open() || slot.empty()) {
        return {};
    }
    std::vector<std::uint8_t> imported(slot.size(), silence);
    ImportResult result{ImportResult::Kind::Sound, 0, slot.size()};
    std::size_t count = 0;
    if (reader.isPcmFile()) {
        count = importAudio(reader, imported, result.length);
    } else if (SoundFileDecoder decoder(path); decoder.isOpen()) {
        count = importDecoded(decoder, imported, result.length);
    } else if (!reader.isAudioFile()) {
        // Neither decoder knows it: the file is taken to be device bytes as they are.
        result.kind = ImportResult::Kind::Raw;
        count = importRaw(reader, imported, result.length);
    }
    reader.close();
    if (count == 0) {
        return {};
    }
    if (count >= fadeLength) {
        fadeOut(imported, count);
    }
    imported.front() = silence;
    slot = std::move(imported);
    return result;
}

} // namespace audio
