#include "cli/AdviceWords.h"

#include "audio/DeviceRate.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

using Kind = audio::SlotAdvice::Kind;

std::string withDecimals(double value, int decimals)
{
    std::array<char, 32> digits{};
    const auto end
        = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, decimals).ptr;
    return std::string(digits.data(), end);
}

// A number as the user typed it: 70, 0.5, 0.50001.
std::string shortest(double value)
{
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return std::string(digits.data(), end);
}

// Seconds of the source, to the millisecond the advice's starts are floored to.
std::string sourceSeconds(double seconds)
{
    return withDecimals(seconds, 3) + " s";
}

// What the user types to bring the sound in: "--start 0.400 or --trim", "--start 10.000 --end 10.100".
std::string remedy(const audio::SlotAdvice& advice)
{
    std::string options;
    if (advice.start) {
        options = "--start " + withDecimals(*advice.start, 3);
        if (advice.end)
            options += " --end " + withDecimals(*advice.end, 3);
    }
    if (advice.trimHelps)
        options += options.empty() ? "--trim" : " or --trim";
    return options.empty() ? options : "; " + options;
}

std::string silentChannel(const audio::ImportResult& result)
{
    const audio::SlotAdvice& advice = result.advice;
    const std::string threshold = withDecimals(result.options.trimThreshold, 0) + " dBFS";
    switch (result.options.mono) {
    case audio::MonoSource::Side:
        return advice.channels < 2 ? "the side of a mono sound is silence"
                                   : "the side of this sound is silence: its left and right are the same";
    case audio::MonoSource::Left:
        return "the left channel holds no sound above " + threshold;
    case audio::MonoSource::Right:
    case audio::MonoSource::Mix:
        break;
    }
    return "the right channel holds no sound above " + threshold;
}

std::string silence(const audio::ImportResult& result)
{
    const audio::SlotAdvice& advice = result.advice;
    switch (advice.kind) {
    case Kind::ChannelSilent:
        return silentChannel(result) + "; --mono mix takes its sound";
    case Kind::FirstByte:
        return "its only sound, at " + sourceSeconds(advice.soundStart)
               + ", falls on the slot's first byte, which is always silent"
               + (advice.start ? "; --start " + withDecimals(*advice.start, 3) + " keeps it" : "");
    case Kind::None: // a slot's own bytes, taken back as they are
    case Kind::Quiet: {
        const double peak = result.report.peakDecibels;
        return (std::isfinite(peak) ? "its peak is " + withDecimals(peak, 1) + " dBFS"
                                    : "the sound rounds away to nothing")
               + "; --gain or --normalize lifts it";
    }
    case Kind::SoundAfter:
        return "the next sound starts at " + sourceSeconds(advice.soundStart) + remedy(advice);
    case Kind::SoundBefore:
        return "there is no sound after " + sourceSeconds(result.options.start) + "; the sound starts at "
               + sourceSeconds(advice.soundStart) + remedy(advice);
    case Kind::PastTheEnd:
    case Kind::UnderAFrame:
    case Kind::NoSound:
    case Kind::LateHit:
        break;
    }
    const std::string threshold = withDecimals(result.options.trimThreshold, 0) + " dBFS";
    if (advice.nearOnly)
        return "no sound above " + threshold + " lies near " + sourceSeconds(result.options.start);
    return "the source holds no sound above " + threshold;
}

} // namespace

std::string AdviceWords::warning(const audio::ImportResult& result)
{
    if (result.kind != audio::ImportResult::Kind::Sound)
        return {};
    if (result.report.silent)
        return "the slot is silent: " + silence(result);
    const audio::SlotAdvice& advice = result.advice;
    if (advice.kind != Kind::LateHit)
        return {};
    return "the hit starts at " + withDecimals(advice.slotStart, 2) + " s of "
           + withDecimals(static_cast<double>(result.slotLength) / audio::kDeviceRate, 2) + " s" + remedy(advice);
}

std::string AdviceWords::refusal(const audio::ImportResult& refused)
{
    const audio::SlotAdvice& advice = refused.advice;
    switch (advice.kind) {
    case Kind::PastTheEnd:
        return "--start " + shortest(refused.options.start) + " is past the end of the "
               + withDecimals(advice.sourceSeconds, advice.sourceSeconds >= 1.0 ? 1 : 3) + " s file";
    case Kind::UnderAFrame:
        return "the region from " + shortest(refused.options.start) + " s to "
               + shortest(refused.options.end.value_or(refused.options.start)) + " s is shorter than one frame of the "
               + shortest(advice.rate) + " Hz source";
    case Kind::None:
    case Kind::ChannelSilent:
    case Kind::NoSound:
    case Kind::FirstByte:
    case Kind::Quiet:
    case Kind::SoundAfter:
    case Kind::SoundBefore:
    case Kind::LateHit:
        break;
    }
    return {};
}
