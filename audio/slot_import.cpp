#include "audio/slot_import.h"

#include "audio/ZQAudioFileReader.h"
#include "audio/converter.h"

#include <algorithm>
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
std::size_t deviceLength(const sample& fileSample, std::uint64_t dataLength)
{
    const std::uint64_t frameBytes = static_cast<std::uint64_t>(fileSample.m_channels) * fileSample.m_byterate;
    if (frameBytes == 0 || !(fileSample.m_samplerate > 0.0))
        return 0;
    return static_cast<std::size_t>(static_cast<double>(dataLength / frameBytes) * deviceRate / fileSample.m_samplerate);
}

std::size_t importAudio(ZQAudioFileReader& reader, std::vector<std::uint8_t>& bytes, std::size_t& length)
{
    const converter deviceFormat(1, 8, true, deviceRate);
    sample fileSample;
    sample deviceSample;
    reader.read(fileSample, sourceBytesPerSlotByte * bytes.size());
    deviceFormat.convert(deviceSample, fileSample, bytes.size());
    const std::size_t count = std::min(bytes.size(), deviceSample.size());
    std::copy_n(deviceSample.begin(), count, bytes.begin());
    length = std::max(count, deviceLength(fileSample, reader.m_dataLength));
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

ImportResult importSlot(const char* path, std::vector<std::uint8_t>& slot)
{
    ZQAudioFileReader reader(path);
    if (!reader.is_open() || slot.empty()) {
        return {};
    }
    std::vector<std::uint8_t> imported(slot.size(), silence);
    ImportResult result{reader.isAudioFile() ? ImportResult::Kind::Sound : ImportResult::Kind::Raw, 0, slot.size()};
    const std::size_t count = result.kind == ImportResult::Kind::Sound ? importAudio(reader, imported, result.length)
                                                                       : importRaw(reader, imported, result.length);
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
