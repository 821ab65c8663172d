#include "audio/SlotImport.h"

#include "audio/DeviceRate.h"
#include "audio/SlotConversion.h"
#include "audio/SlotRender.h"
#include "bytes/MemorySource.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace audio {

namespace {

constexpr std::uint8_t silence = 0x80;
// Source bytes held per second of source the slot needs, where a source is held in memory: enough
// for the widest source a slot takes, 8 channels of 32 bits at 384 kHz (12 MB for the largest slot).
constexpr double sourceBytesPerSecond = 8.0 * 4.0 * 384000.0;
// What a program holds of a source to keep or play a minute of it (the editor's panel, zylox play
// FILE): 24 bytes a frame at the device rate, a minute of 24-bit stereo at 132 kHz.
constexpr double heldBytesPerSecond = 24.0 * audio::kDeviceRate;
// What a sound file may hold before its sample data (text, markers, tags with cover pictures).
constexpr std::size_t headerAllowance = std::size_t{8} * 1024 * 1024;
// Source frames read past the last one the slot needs: the classic rate step interpolates
// towards the next frame, the clean resampler's filter looks ahead.
constexpr std::uint64_t framesAfterTheSlot = 1024;
// The most of a source a shape reaches into from the region's start: a region that fits a slot at
// the lowest pitch lies well inside.
constexpr double longestSource = 60.0;
// How many slots' worth of source trim may look through for the start of a sound.
constexpr double slotsSearchedByTrim = 24.0;
// What the editor keeps around a region: a minute, of which a third before it.
constexpr double keptSeconds = 60.0;
constexpr double keptBefore = 20.0;

// What export writes of a slot: its bytes as they are, in the device format.
bool isSlotImage(const PcmFrames& fileSample, std::size_t slotLength)
{
    return fileSample.m_channels == 1 && fileSample.m_bitsPerValue == 8 && fileSample.m_unsigned8Bit
           && fileSample.m_samplerate == audio::kDeviceRate && fileSample.size() == slotLength;
}

// The seconds of the source that the shape can use, from the region's start: reading a long file's
// every frame only to leave most of them unconverted took an import longer than its conversion.
std::pair<double, double> secondsUsed(std::size_t slotLength, const SoundShape& asked)
{
    const SoundShape options = asked.withinRanges();
    if (!options.reshapes()) {
        return {0.0, static_cast<double>(deviceFramesUsed(slotLength, options)) / audio::kDeviceRate};
    }
    const double start = options.start;
    const double end = options.end ? std::max(*options.end, start) : start + longestSource;
    if (options.fit || (options.reverse && options.end)) {
        return {start, std::min(end, start + longestSource)};
    }
    const double slot = static_cast<double>(slotLength) / audio::kDeviceRate * std::exp2(options.pitch / 12.0)
                        * (options.trim ? slotsSearchedByTrim : 1.0);
    return {start, std::min(end, start + std::min(slot, longestSource))};
}

// The sample data bytes an import holds at most: what the widest source a slot takes needs for the
// seconds the shape uses, and never more than kMostSourceBytes.
std::uint64_t dataCap(std::size_t slotLength, const SoundShape& options)
{
    const auto [from, to] = secondsUsed(slotLength, options);
    return static_cast<std::uint64_t>(
        std::min(std::ceil((to - from) * sourceBytesPerSecond), static_cast<double>(kMostSourceBytes)));
}

std::size_t importRaw(std::span<const std::uint8_t> source, std::vector<std::uint8_t>& bytes)
{
    const std::size_t count = std::min(source.size(), bytes.size());
    std::copy_n(source.begin(), count, bytes.begin());
    return count;
}

// A file no decoder took, as the slot's raw bytes; a stream is read on to say how long it is.
ImportResult importRawFile(SourceReader& source, std::vector<std::uint8_t>& slot)
{
    std::vector<std::uint8_t> bytes(slot.size());
    bytes.resize(source.readAt(0, bytes));
    std::uint64_t length = source.size();
    if (!source.seekable()) {
        std::vector<std::uint8_t> rest(std::size_t{64} * 1024);
        while (length < sourceLimit(slot.size()) && source.readAt(length, rest) != 0)
            length = source.size();
    }
    std::vector<std::uint8_t> imported(slot.size(), silence);
    finishSlot(imported, importRaw(bytes, imported), true);
    slot = std::move(imported);
    return {ImportResult::Kind::Raw, static_cast<std::size_t>(std::max<std::uint64_t>(length, bytes.size())),
            slot.size()};
}

} // namespace

std::size_t sourceLimit(std::size_t slotLength)
{
    const double seconds = static_cast<double>(slotLength) / audio::kDeviceRate;
    return static_cast<std::size_t>(std::ceil(seconds * sourceBytesPerSecond)) + headerAllowance;
}

std::size_t heldSourceLimit()
{
    return static_cast<std::size_t>(longestSource * heldBytesPerSecond) + headerAllowance;
}

FramesWanted framesUsed(std::size_t slotLength, const SoundShape& options)
{
    const auto [from, to] = secondsUsed(slotLength, options);
    const FramesWanted seconds = secondsWanted(from, to);
    return [seconds](double rate, std::uint64_t frameBytes) {
        SourceRegion region = seconds(rate, frameBytes);
        region.last += framesAfterTheSlot;
        return region;
    };
}

FramesWanted framesKept(std::size_t slotLength, const SoundShape& options)
{
    const FramesWanted used = framesUsed(slotLength, options);
    return [used](double rate, std::uint64_t frameBytes) {
        const SourceRegion region = used(rate, frameBytes);
        // A wide source keeps less around its region, so that it costs what a common one does.
        const double held
            = heldBytesPerSecond * keptSeconds / static_cast<double>(std::max<std::uint64_t>(frameBytes, 1));
        const double kept = std::min(std::ceil(keptSeconds * rate), held);
        const double around = std::max(kept - static_cast<double>(region.length()), 0.0);
        const auto before = static_cast<std::uint64_t>(std::min(kept * keptBefore / keptSeconds, around));
        const auto after = static_cast<std::uint64_t>(std::min(around, 1e15)) - std::min(before, region.first);
        return SourceRegion{region.first - std::min(before, region.first), region.last + after};
    };
}

ImportResult importSlot(SourceReader& source, const SoundShape& options, std::vector<std::uint8_t>& slot)
{
    if (slot.empty() || (source.seekable() && source.size() == 0)) {
        return ImportResult::refused(ImportResult::Refusal::NoSound);
    }
    const DecodedSound decoded = decodeSound(source, framesUsed(slot.size(), options), dataCap(slot.size(), options));
    if (!decoded) {
        if (source.size() == 0) {
            return ImportResult::refused(ImportResult::Refusal::NoSound);
        }
        if (!options.raw) {
            return decoded.failure;
        }
        // The user asked for the bytes: leading bytes that look like a sound's do not make one.
        return importRawFile(source, slot);
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
    SlotAdvice& advice = rendered.result.advice;
    if (advice.looksFurther() && decoded.wholeFrames > decoded.heldEnd() && source.seekable()) {
        const double start = options.withinRanges().start;
        const RenderedSlot further = renderSlot(
            decodeSound(source, secondsWanted(start, start + longestSource), kMostSourceBytes), options, slot.size());
        // What lies before the region is not read again: a sound found there stays the advice.
        const bool before = advice.kind == SlotAdvice::Kind::SoundBefore && further.result.advice.looksFurther();
        if (further.result.report.silent && !before) {
            advice = further.result.advice;
        }
    }
    // Nothing sounds from the region's start on: the minute before it may hold the sound.
    if (advice.looksFurther() && advice.kind != SlotAdvice::Kind::SoundBefore && decoded.firstFrame > 0
        && source.seekable()) {
        const double start = options.withinRanges().start;
        const DecodedSound before
            = decodeSound(source, secondsWanted(std::max(0.0, start - longestSource), start), kMostSourceBytes);
        const SlotAdvice earlier = adviseOnSlot(before, options.withinRanges(), SlotSound{}, slot.size());
        if (earlier.kind == SlotAdvice::Kind::SoundBefore) {
            advice = earlier;
        }
    }
    if (rendered.result) {
        slot = std::move(rendered.bytes);
    }
    return rendered.result;
}

ImportResult importSlot(std::span<const std::uint8_t> source, const SoundShape& options,
                        std::vector<std::uint8_t>& slot)
{
    MemorySource memory(source);
    return importSlot(memory, options, slot);
}

} // namespace audio
