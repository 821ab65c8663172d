#include "audio/AdviceFact.h"

#include "audio/DeviceRate.h"

namespace audio {

namespace {

using Kind = SlotAdvice::Kind;

// Seconds of the source, to the millisecond the advice's starts are floored to.
TextArgument sourceSeconds(double seconds)
{
    return TextArgument::fixed(seconds, 3);
}

TextArgument decibels(double value)
{
    return TextArgument::fixed(value, 0);
}

Text silentChannel(const ImportResult& result)
{
    const TextArgument threshold = decibels(result.options.trimThreshold);
    switch (result.options.mono) {
    case MonoSource::Side:
        return result.advice.channels < 2
                   ? ZYLOX_TR("SlotAdvice", "the side of a mono sound is silence")
                   : ZYLOX_TR("SlotAdvice", "the side of this sound is silence: its left and right are the same");
    case MonoSource::Left:
        return {ZYLOX_TR("SlotAdvice", "the left channel holds no sound above %1 dBFS"), {threshold}};
    case MonoSource::Right:
    case MonoSource::Mix:
        break;
    }
    return {ZYLOX_TR("SlotAdvice", "the right channel holds no sound above %1 dBFS"), {threshold}};
}

Text silence(const ImportResult& result)
{
    const SlotAdvice& advice = result.advice;
    switch (advice.kind) {
    case Kind::ChannelSilent:
        return silentChannel(result);
    case Kind::FirstByte:
    case Kind::None: // a slot's own bytes, taken back as they are
    case Kind::Quiet:
        return {};
    case Kind::SoundAfter:
        return {ZYLOX_TR("SlotAdvice", "the next sound starts at %1 s"), {sourceSeconds(advice.soundStart)}};
    case Kind::SoundBefore:
        return {ZYLOX_TR("SlotAdvice", "there is no sound after %1 s; the sound starts at %2 s"),
                {sourceSeconds(result.options.start), sourceSeconds(advice.soundStart)}};
    case Kind::PastTheEnd:
    case Kind::UnderAFrame:
    case Kind::NoSound:
    case Kind::LateHit:
        break;
    }
    if (advice.nearOnly)
        return {ZYLOX_TR("SlotAdvice", "no sound above %1 dBFS lies near %2 s"),
                {decibels(result.options.trimThreshold), sourceSeconds(result.options.start)}};
    return {ZYLOX_TR("SlotAdvice", "the source holds no sound above %1 dBFS"),
            {decibels(result.options.trimThreshold)}};
}

} // namespace

Text adviceFact(const ImportResult& result)
{
    if (result.kind != ImportResult::Kind::Sound)
        return {};
    if (result.report.silent)
        return silence(result);
    if (result.advice.kind != Kind::LateHit)
        return {};
    return {ZYLOX_TR("SlotAdvice", "the hit starts at %1 s of %2 s"),
            {TextArgument::fixed(result.advice.slotStart, 2),
             TextArgument::fixed(static_cast<double>(result.slotLength) / kDeviceRate, 2)}};
}

} // namespace audio
