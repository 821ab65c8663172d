#include "audio/SlotAdvice.h"

#include "audio/DecodedSound.h"
#include "audio/DeviceRate.h"
#include "audio/ShapedConversion.h"
#include "audio/SoundShape.h"
#include "audio/SoundSnapping.h"

#include <algorithm>
#include <cmath>

namespace audio {

namespace {

// A slot whose sound starts this late (seconds of the slot) is heard as a late hit, a flam against
// the other slots.
constexpr double lateLeadIn = 0.010;
// How many slots' worth of source trim looks through for the start of a sound.
constexpr double slotsSearchedByTrim = 24.0;

// Seconds floored to the millisecond, so that a start the advice names lies before the sound, never
// after its first frame.
double floorToMillisecond(double seconds)
{
    return std::max(0.0, std::floor(seconds * 1000.0 + 1e-6) / 1000.0);
}

// A start that brings the sound at frame into the slot, with the end that keeps the region's length.
void startAt(SlotAdvice& advice, const SoundShape& shape, double seconds)
{
    advice.start = floorToMillisecond(seconds);
    if (shape.end) {
        advice.end = *advice.start + (*shape.end - shape.start);
    }
}

// How many source frames the slot's count device frames were converted from.
double framesConverted(const SoundShape& shape, std::size_t count, double rate, SourceRegion region)
{
    if (shape.fit) {
        return static_cast<double>(region.length());
    }
    return static_cast<double>(count) * rate * std::exp2(shape.pitch / 12.0) / kDeviceRate;
}

SlotAdvice adviseOnSilence(const DecodedSound& sound, const SoundShape& shape, const SlotSound& heard,
                           std::size_t slotLength)
{
    const double rate = sound.frames.m_samplerate;
    const SourceRegion region = regionOf(sound, shape);
    SlotAdvice advice;
    if (heard.lostFirstByte) {
        advice.kind = SlotAdvice::Kind::FirstByte;
        advice.soundStart = floorToMillisecond(sound.secondsAt(region.first));
        // Reversed, the first byte is the region's end: no start brings it back.
        if (!shape.reverse && sound.firstFrame + region.first > 0) {
            advice.start = floorToMillisecond(sound.secondsAt(region.first) - 0.001);
        }
        return advice;
    }
    if (const auto onset = onsetFrame(sound, region.first, shape.trimThreshold, shape.mono)) {
        const double reach = framesConverted(shape, heard.count, rate, region);
        const bool inRegion = !shape.end || *onset < region.last;
        if (inRegion && static_cast<double>(*onset - region.first) < reach) {
            advice.kind = SlotAdvice::Kind::Quiet;
            return advice;
        }
        advice.kind = SlotAdvice::Kind::SoundAfter;
        advice.soundStart = floorToMillisecond(sound.secondsAt(*onset));
        startAt(advice, shape, sound.secondsAt(*onset));
        const double searched = static_cast<double>(slotLength) / kDeviceRate * std::exp2(shape.pitch / 12.0) * rate
                                * slotsSearchedByTrim;
        advice.trimHelps
            = !shape.trim && !shape.fit && inRegion && static_cast<double>(*onset - region.first) < searched;
        return advice;
    }
    if (const auto before = region.first > 0 ? onsetFrame(sound, 0, shape.trimThreshold, shape.mono) : std::nullopt) {
        advice.kind = SlotAdvice::Kind::SoundBefore;
        advice.soundStart = floorToMillisecond(sound.secondsAt(*before));
        startAt(advice, shape, sound.secondsAt(*before));
        return advice;
    }
    const bool mixSounds
        = shape.mono != MonoSource::Mix && onsetFrame(sound, 0, shape.trimThreshold, MonoSource::Mix).has_value();
    advice.kind = mixSounds ? SlotAdvice::Kind::ChannelSilent : SlotAdvice::Kind::NoSound;
    advice.channels = sound.frames.m_channels;
    advice.nearOnly = !mixSounds && (sound.firstFrame > 0 || sound.heldEnd() < sound.wholeFrames);
    return advice;
}

} // namespace

SlotAdvice adviseOnRegion(const DecodedSound& sound, const SoundShape& shape)
{
    const double rate = sound.frames.m_samplerate;
    SlotAdvice advice;
    if (!(rate > 0.0)) {
        return advice;
    }
    // The file's frames, wherever the held part of it begins.
    const double whole = static_cast<double>(std::max(sound.wholeFrames, sound.heldEnd()));
    const double first = std::round(shape.start * rate);
    if (shape.start > 0.0 && first >= whole) {
        advice.kind = SlotAdvice::Kind::PastTheEnd;
        advice.sourceSeconds = sound.fileSeconds();
    } else if (shape.end && std::round(*shape.end * rate) <= first) {
        advice.kind = SlotAdvice::Kind::UnderAFrame;
        advice.rate = rate;
    }
    return advice;
}

SlotAdvice adviseOnSlot(const DecodedSound& sound, const SoundShape& shape, const SlotSound& heard,
                        std::size_t slotLength)
{
    if (heard.silent) {
        return adviseOnSilence(sound, shape, heard, slotLength);
    }
    SlotAdvice advice;
    const double leadIn = static_cast<double>(heard.firstSound) / kDeviceRate;
    if (leadIn < lateLeadIn) {
        return advice;
    }
    advice.kind = SlotAdvice::Kind::LateHit;
    advice.slotStart = leadIn;
    // Reversed, the lead-in is the silence after the sound, which only trim takes away.
    if (shape.reverse) {
        advice.trimHelps = !shape.trim;
        return advice;
    }
    if (const auto onset = onsetFrame(sound, regionOf(sound, shape).first, shape.trimThreshold, shape.mono)) {
        advice.soundStart = floorToMillisecond(sound.secondsAt(*onset));
        startAt(advice, shape, sound.secondsAt(*onset));
        advice.trimHelps = !shape.trim;
    }
    return advice;
}

} // namespace audio
