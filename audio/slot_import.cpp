#include "audio/slot_import.h"

#include "audio/DecodedSound.h"
#include "audio/DeviceRate.h"
#include "audio/SlotRender.h"
#include "audio/SoundSnapping.h"
#include "audio/slot_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace audio {

namespace {

constexpr std::uint8_t silence = 0x80;
// Source bytes read per second of source the slot needs: enough for the widest source a slot takes
// as it takes a 44.1 kHz stereo file, 8 channels of 32 bits at 384 kHz (12 MB for the largest slot).
// A WAV file's head says its own width, and only that much of it is read.
constexpr double sourceBytesPerSecond = 8.0 * 4.0 * 384000.0;
// What a program holds of a source to keep or play a minute of it (the editor's panel, zylox play
// FILE): 24 bytes a frame at the device rate, a minute of 24-bit stereo at 132 kHz.
constexpr double heldBytesPerSecond = 24.0 * audio::kDeviceRate;
// What a sound file may hold before its sample data (text, markers, tags with cover pictures).
constexpr std::size_t headerAllowance = std::size_t{8} * 1024 * 1024;
// Source frames read past the last one the slot needs: the classic rate step interpolates
// towards the next frame, the clean resampler's filter looks ahead.
constexpr double framesAfterTheSlot = 1024.0;
// The most of a source a shape reaches into: a region that fits a slot at the lowest pitch
// lies well inside.
constexpr double longestSource = 60.0;
// How many slots' worth of source trim may look through for the start of a sound.
constexpr double slotsSearchedByTrim = 24.0;

// What export writes of a slot: its bytes as they are, in the device format.
bool isSlotImage(const sample& fileSample, std::size_t slotLength)
{
    return fileSample.m_channels == 1 && fileSample.m_bitrate == 8 && fileSample.m_unsigned8Bit
           && fileSample.m_samplerate == audio::kDeviceRate && fileSample.size() == slotLength;
}

// Seconds from the source's start that the shape can use: reading a long file's every frame only
// to leave most of them unconverted took an import longer than its conversion.
double secondsUsed(std::size_t slotLength, const ImportOptions& asked)
{
    const ImportOptions options = asked.withinRanges();
    if (!options.reshapes()) {
        return static_cast<double>(deviceFramesUsed(slotLength, options)) / audio::kDeviceRate;
    }
    if (options.fit || (options.reverse && options.end)) {
        return options.end ? std::min(*options.end, longestSource) : longestSource;
    }
    const double slot = static_cast<double>(slotLength) / audio::kDeviceRate * std::exp2(options.pitch / 12.0)
                        * (options.trim ? slotsSearchedByTrim : 1.0);
    const double end = options.end ? std::min(*options.end, options.start + slot) : options.start + slot;
    return std::clamp(end, 0.0, longestSource);
}

// The frames of the source the import decodes, at its rate.
FramesWanted framesWanted(std::size_t slotLength, const ImportOptions& options)
{
    const double seconds = secondsUsed(slotLength, options);
    return [seconds](double rate) {
        return static_cast<std::uint64_t>(std::min(std::ceil(seconds * rate) + framesAfterTheSlot, 1e15));
    };
}

// The sample data bytes the import reads at most.
std::uint64_t dataCap(std::size_t slotLength, const ImportOptions& options)
{
    return sourceLimit(slotLength, options) - headerAllowance;
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
    const double seconds = static_cast<double>(slotLength) / audio::kDeviceRate;
    return static_cast<std::size_t>(std::ceil(seconds * sourceBytesPerSecond)) + headerAllowance;
}

std::size_t sourceLimit(std::size_t slotLength, const ImportOptions& options)
{
    const auto shaped = static_cast<std::size_t>(std::ceil(secondsUsed(slotLength, options) * sourceBytesPerSecond));
    return std::max(sourceLimit(slotLength), shaped + headerAllowance);
}

std::size_t heldSourceLimit()
{
    return static_cast<std::size_t>(longestSource * heldBytesPerSecond) + headerAllowance;
}

std::uint64_t sourceBytesNeeded(std::span<const std::uint8_t> head, std::size_t slotLength,
                                const ImportOptions& options)
{
    return bytesDecoded(head, framesWanted(slotLength, options), dataCap(slotLength, options));
}

ImportResult importSlot(std::span<const std::uint8_t> source, const ImportOptions& options,
                        std::vector<std::uint8_t>& slot, std::uint64_t fileSize)
{
    if (source.empty() || slot.empty()) {
        return ImportResult::refused(ImportResult::Refusal::NoSound);
    }
    const DecodedSound decoded
        = decodeSound(source, framesWanted(slot.size(), options), dataCap(slot.size(), options), fileSize);
    if (!decoded) {
        if (!options.raw) {
            return decoded.failure;
        }
        // The user asked for the bytes: leading bytes that look like a sound's do not make one.
        std::vector<std::uint8_t> imported(slot.size(), silence);
        finishSlot(imported, importRaw(source, imported), true);
        slot = std::move(imported);
        return {ImportResult::Kind::Raw, source.size(), slot.size()};
    }
    // Taken back unchanged: a second fade would wear down the end of a sound on every round trip.
    if (isSlotImage(decoded.frames, slot.size()) && !options.shapes()) {
        std::copy(decoded.frames.begin(), decoded.frames.end(), slot.begin());
        ImportResult result{ImportResult::Kind::Sound, slot.size(), slot.size()};
        result.options = options;
        return result;
    }
    RenderedSlot rendered = renderSlot(decoded, options, slot.size());
    // A silent slot names where the sound starts, which may lie past what the slot needed.
    ShapeReport& report = rendered.result.report;
    if (report.silent && !report.soundStart && decoded.wholeFrames > decoded.frames.frameCount()) {
        report.soundStart = soundStart(decodeSound(source, longestSource), options);
    }
    if (rendered.result) {
        slot = std::move(rendered.bytes);
    }
    return rendered.result;
}

} // namespace audio
