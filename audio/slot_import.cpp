#include "audio/slot_import.h"

#include "audio/ZQAudioFileReader.h"
#include "audio/converter.h"

#include <algorithm>
#include <cstddef>

namespace audio {

namespace {

constexpr std::uint8_t silence = 0x80;
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

std::size_t importAudio(ZQAudioFileReader& reader, std::vector<std::uint8_t>& bytes)
{
    const converter deviceFormat(1, 8, true, 33000.0);
    sample fileSample;
    sample deviceSample;
    reader.read(fileSample, sourceBytesPerSlotByte * bytes.size());
    deviceFormat.convert(deviceSample, fileSample, bytes.size());
    const std::size_t count = std::min(bytes.size(), deviceSample.size());
    std::copy_n(deviceSample.begin(), count, bytes.begin());
    return count;
}

std::size_t importRaw(ZQAudioFileReader& reader, std::vector<std::uint8_t>& bytes)
{
    // A file shorter than the header probe has left the stream failed; its bytes count all the same.
    reader.clear();
    reader.seek(0);
    return reader.readRaw(bytes.data(), bytes.size());
}

} // namespace

bool importSlot(const char* path, std::vector<std::uint8_t>& slot)
{
    ZQAudioFileReader reader(path);
    if (!reader.is_open() || slot.empty()) {
        return false;
    }
    std::vector<std::uint8_t> imported(slot.size(), silence);
    const std::size_t count = reader.isAudioFile() ? importAudio(reader, imported) : importRaw(reader, imported);
    reader.close();
    if (count == 0) {
        return false;
    }
    if (count >= fadeLength) {
        fadeOut(imported, count);
    }
    imported.front() = silence;
    slot = std::move(imported);
    return true;
}

} // namespace audio
