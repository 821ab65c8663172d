#include "audio/ImportResult.h"

#include "audio/DeviceRate.h"
#include "audio/SoundFileDecoder.h"
#include "audio/SoundShape.h"

#include <array>
#include <charconv>
#include <cmath>

namespace audio {

namespace {

// Two decimals and a point whatever the user's locale, as the rest of the line is English.
std::string seconds(std::size_t bytes)
{
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                   static_cast<double>(bytes) / audio::kDeviceRate, std::chars_format::fixed, 2)
                         .ptr;
    return std::string(digits.data(), end) + " s";
}

std::string grouped(std::size_t value)
{
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, ',');
    return digits;
}

std::string signedFixed(double value, int decimals = 1)
{
    std::array<char, 32> digits{};
    const auto end
        = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, decimals).ptr;
    return (value >= 0.0 ? "+" : "") + std::string(digits.data(), end);
}

// Rounded as printed, so a pitch a hair below zero reads "+0.00", not "-0.00".
double hundredths(double value)
{
    return std::round(value * 100.0) / 100.0 + 0.0;
}

std::string decibels(double value)
{
    return signedFixed(value) + " dB";
}

// Which conversion made the sound, and what trim and normalise did, so a slot that sounds
// different from the file can be explained.
std::string conversion(const ImportResult& result)
{
    std::string text = result.options.resampling == Resampling::Clean ? "Clean" : "Classic";
    if (result.options.trim)
        text += result.trimmed > 0 ? ", " + seconds(result.trimmed) + " of silence trimmed" : ", no silence to trim";
    if (result.options.normalize)
        text += ", normalised " + decibels(result.gainDecibels);
    return text;
}

// What the import did; with a label where the line has not named the slot yet.
std::string outcome(const ImportResult& result, const std::string* slotLabel)
{
    using Kind = ImportResult::Kind;
    switch (result.kind) {
    case Kind::None:
        return "nothing imported";
    case Kind::Message:
        return "System Exclusive message of " + grouped(result.length) + " bytes"
               + (slotLabel ? " into " + *slotLabel : "");
    case Kind::Sound:
    case Kind::Raw:
        break;
    }
    std::string line
        = result.kind == Kind::Raw ? grouped(result.length) + " bytes of raw device data" : seconds(result.length);
    if (result.cut())
        line += ", cut to " + seconds(result.slotLength) + (slotLabel ? " to fit " + *slotLabel : "");
    else if (result.padded())
        line += ", padded to " + seconds(result.slotLength) + " with silence";
    else
        line += ", fills " + (slotLabel ? *slotLabel : "the slot") + " exactly";
    // The pitch it took, so the same sound can be tuned by hand to match.
    if (result.fitPitch)
        line += " at " + signedFixed(hundredths(*result.fitPitch), 2) + " semitones";
    if (result.kind == Kind::Raw)
        return line;
    line += " (" + conversion(result) + ")";
    return result.cutShort ? line + "; the file is damaged or cut short" : line;
}

} // namespace

std::string ImportResult::detail() const
{
    switch (cause) {
    case Cause::None:
        break;
    case Cause::NoDecoderLibrary:
        return std::string(kSoundFileLibrary) + ", which decodes it, is not installed";
    case Cause::Damaged:
        return "the file is damaged or cut short";
    case Cause::PitchOutOfReach:
        return "the region needs a pitch of " + signedFixed(pitchNeeded) + " semitones to fill the slot; a fit reaches "
               + std::to_string(-static_cast<int>(furthestFit)) + " to +"
               + std::to_string(static_cast<int>(furthestFit));
    case Cause::EmptyRegion:
        return "the region holds no sound to fit into the slot";
    }
    return {};
}

std::string ImportResult::describe(const std::string& fileName, const std::string& slotLabel) const
{
    return fileName + ": " + outcome(*this, &slotLabel);
}

std::string ImportResult::describeInNamedSlot(const std::string& fileName) const
{
    return fileName + ", " + outcome(*this, nullptr);
}

} // namespace audio
