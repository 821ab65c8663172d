#include "audio/SlotRender.h"

#include "audio/DeviceRate.h"
#include "audio/MonoSteps.h"
#include "audio/ShapedConversion.h"
#include "audio/SlotAdvice.h"
#include "audio/SlotConversion.h"
#include "audio/SlotRounding.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace audio {

namespace {

constexpr std::uint8_t silence = 0x80;
constexpr std::size_t fadeLength = 7;

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
// A rate a header can claim (a tiny AIFF rate) can make it longer than any count: it stops there.
std::size_t deviceLength(std::uint64_t frames, double samplerate)
{
    if (!(samplerate > 0.0)) {
        return 0;
    }
    const double length = static_cast<double>(frames) * audio::kDeviceRate / samplerate;
    constexpr double longest = 0x1p63;
    return length < longest ? static_cast<std::size_t>(length) : static_cast<std::size_t>(longest);
}

// The conversion, trim and normalise of old.
std::vector<std::uint8_t> convertPlain(const DecodedSound& sound, std::size_t slotLength, ImportResult& result)
{
    SoundShape options = result.options;
    // Over a long silence only the slot's first frames are converted, not the 24 slots' worth a
    // search would read: trim finds nothing in them, which the source's kept peaks tell at once.
    if (options.trim && !options.normalize
        && trimFindsNothing(sound.peaks(MonoSource::Mix).peak({0, sourceFramesTrimReads(sound.frames, slotLength)}),
                            options.resampling)) {
        options.trim = false;
    }
    std::vector<std::uint8_t> device = convertForSlot(sound.frames, slotLength, options, result);
    const std::size_t whole = deviceLength(sound.wholeFrames, sound.frames.m_samplerate);
    result.length = std::max(device.size(), whole > result.trimmed ? whole - result.trimmed : 0);
    return device;
}

// The first of the slot's device frames a step or more off the zero line (before the dither's noise,
// which would hide a silent lead-in); the count when there is none.
std::size_t firstSoundOf(std::span<const double> steps)
{
    return static_cast<std::size_t>(
        std::find_if(steps.begin(), steps.end(), [](double step) { return std::abs(step) >= 1.0; }) - steps.begin());
}

std::size_t firstSoundOf(std::span<const std::uint8_t> bytes)
{
    return static_cast<std::size_t>(
        std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t byte) { return byte != silence; }) - bytes.begin());
}

std::vector<std::uint8_t> convert(const DecodedSound& sound, const SoundShape& shape, std::size_t slotLength,
                                  ImportResult& result, std::size_t& firstSound)
{
    if (!shape.reshapes()) {
        std::vector<std::uint8_t> bytes = convertPlain(sound, slotLength, result);
        firstSound = firstSoundOf(bytes);
        return bytes;
    }
    const std::vector<double> steps = convertShaped(sound, shape, slotLength, result);
    firstSound = firstSoundOf(steps);
    // Normalising lifts the limited sound to full scale on purpose; otherwise no byte passes the
    // limiter's ceiling, the dither's noise included.
    const double ceiling = shape.limit && !shape.normalize ? stepsOfLevel(*shape.limit) : fullScaleSteps;
    return roundToDevice(steps, shape.resampling, shape.dither, ceiling, result.report.clipped);
}

} // namespace

void finishSlot(std::vector<std::uint8_t>& slot, std::size_t count, bool deviceFade)
{
    if (deviceFade && count >= fadeLength && count <= slot.size()) {
        fadeOut(slot, count);
    }
    if (!slot.empty()) {
        slot.front() = silence;
    }
}

RenderedSlot renderSlot(const DecodedSound& sound, const SoundShape& asked, std::size_t slotLength)
{
    const SoundShape shape = asked.withinRanges();
    RenderedSlot rendered{{}, {ImportResult::Kind::Sound, 0, slotLength}};
    rendered.result.options = shape;
    if (!sound || slotLength == 0) {
        rendered.result = sound ? ImportResult::refused(ImportResult::Refusal::NoSound) : sound.failure;
        return rendered;
    }
    if (const SlotAdvice region = adviseOnRegion(sound, shape)) {
        rendered.result = ImportResult::refused(ImportResult::Refusal::NoSound);
        rendered.result.options = shape;
        rendered.result.advice = region;
        return rendered;
    }
    SlotSound heard;
    std::vector<std::uint8_t> device = convert(sound, shape, slotLength, rendered.result, heard.firstSound);
    if (!rendered.result) {
        return rendered;
    }
    if (device.empty()) {
        rendered.result = ImportResult::refused(ImportResult::Refusal::NoSound);
        return rendered;
    }
    heard.count = device.size();
    const int firstByte = std::abs(static_cast<int>(device.front()) - silence);
    device.resize(slotLength, silence);
    finishSlot(device, heard.count, shape.fadeOut == 0.0);
    rendered.result.report = ShapeReport::of(device, rendered.result.report.clipped);
    heard.silent = rendered.result.report.silent;
    heard.lostFirstByte = heard.silent && ShapeReport::decibelsOf(firstByte) >= ShapeReport::quietestSound;
    rendered.result.advice = adviseOnSlot(sound, shape, heard, slotLength);
    rendered.result.cutShort = sound.cutShort;
    rendered.bytes = std::move(device);
    return rendered;
}

} // namespace audio
