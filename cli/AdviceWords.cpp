#include "cli/AdviceWords.h"

#include "audio/AdviceFact.h"

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

std::string silence(const audio::ImportResult& result)
{
    const audio::SlotAdvice& advice = result.advice;
    std::string fact = audio::adviceFact(result).english();
    switch (advice.kind) {
    case Kind::ChannelSilent:
        return fact + "; --mono mix takes its sound";
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
    case Kind::SoundBefore:
        return fact + remedy(advice);
    case Kind::PastTheEnd:
    case Kind::UnderAFrame:
    case Kind::NoSound:
    case Kind::LateHit:
        break;
    }
    return fact;
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
    return audio::adviceFact(result).english() + remedy(advice);
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
