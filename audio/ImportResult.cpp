#include "audio/ImportResult.h"

#include "audio/DeviceRate.h"
#include "audio/SoundFileDecoder.h"
#include "audio/SoundShape.h"
#include "audio/TimeStretch.h"

#include <cmath>

namespace audio {

namespace {

long long counted(std::size_t value)
{
    return static_cast<long long>(value);
}

Text seconds(std::size_t bytes)
{
    return {ZYLOX_TR("ImportResult", "%1 s"), {TextArgument::fixed(static_cast<double>(bytes) / kDeviceRate, 2)}};
}

// Rounded as printed, so a pitch a hair below zero reads "+0.00", not "-0.00".
double hundredths(double value)
{
    return std::round(value * 100.0) / 100.0 + 0.0;
}

// Which conversion made the sound, and what trim and normalise did, so a slot that sounds
// different from the file can be explained.
Text conversion(const ImportResult& result)
{
    Text text = result.options.resampling == Resampling::Clean ? ZYLOX_TR("ImportResult", "Clean")
                                                               : ZYLOX_TR("ImportResult", "Classic");
    if (result.options.trim)
        text = Text::joined({text, result.trimmed > 0 ? Text(ZYLOX_TR("ImportResult", ", %1 of silence trimmed"),
                                                             {seconds(result.trimmed)})
                                                      : ZYLOX_TR("ImportResult", ", no silence to trim")});
    if (result.options.normalize)
        text = Text::joined({text, Text(ZYLOX_TR("ImportResult", ", normalised %1 dB"),
                                        {TextArgument::signedFixed(result.gainDecibels, 1)})});
    return text;
}

// What the import did; with a label where the line has not named the slot yet.
Text outcome(const ImportResult& result, const std::string* slotLabel)
{
    using Kind = ImportResult::Kind;
    switch (result.kind) {
    case Kind::None:
        return ZYLOX_TR("ImportResult", "nothing imported");
    case Kind::Message:
        if (slotLabel)
            return {ZYLOX_TR("ImportResult", "System Exclusive message of %1 bytes into %2"),
                    {TextArgument::count(counted(result.length)), *slotLabel}};
        return {ZYLOX_TR("ImportResult", "System Exclusive message of %1 bytes"),
                {TextArgument::count(counted(result.length))}};
    case Kind::Sound:
    case Kind::Raw:
        break;
    }
    const Text length = result.kind == Kind::Raw ? Text(ZYLOX_TR("ImportResult", "%1 bytes of raw device data"),
                                                        {TextArgument::count(counted(result.length))})
                                                 : seconds(result.length);
    Text fate;
    if (result.cut())
        fate = slotLabel
                   ? Text(ZYLOX_TR("ImportResult", ", cut to %1 to fit %2"), {seconds(result.slotLength), *slotLabel})
                   : Text(ZYLOX_TR("ImportResult", ", cut to %1"), {seconds(result.slotLength)});
    else if (result.padded())
        fate = {ZYLOX_TR("ImportResult", ", padded to %1 with silence"), {seconds(result.slotLength)}};
    else
        fate = slotLabel ? Text(ZYLOX_TR("ImportResult", ", fills %1 exactly"), {*slotLabel})
                         : ZYLOX_TR("ImportResult", ", fills the slot exactly");
    Text line = Text::joined({length, fate});
    // The pitch it took, so the same sound can be tuned by hand to match.
    if (result.fitPitch)
        //: The pitch a fit chose, after what the import did: " at +7.02 semitones"
        line = Text::joined({line, Text(ZYLOX_TR("ImportResult", " at %1 semitones"),
                                        {TextArgument::signedFixed(hundredths(*result.fitPitch), 2)})});
    // The length it took, so the same stretch can be asked of another sound.
    if (result.stretch)
        //: The length a fit by stretching gave the region, after what the import did: ", stretched to 0.495 times
        //: its length"
        line = Text::joined({line, Text(ZYLOX_TR("ImportResult", ", stretched to %1 times its length"),
                                        {TextArgument::fixed(*result.stretch, 3)})});
    if (result.kind == Kind::Raw)
        return line;
    //: The conversion in brackets after what the import did: "Clean, normalised +6.0 dB"
    line = {ZYLOX_TR("ImportResult", "%1 (%2)"), {line, conversion(result)}};
    //: What the import did, then that the file's sound ended before the length its header declares
    return result.cutShort ? Text(ZYLOX_TR("ImportResult", "%1; the file is damaged or cut short"), {line}) : line;
}

} // namespace

Text ImportResult::detailText() const
{
    switch (cause) {
    case Cause::None:
        break;
    case Cause::NoDecoderLibrary:
        //: The library's file name, as a user installs it
        return {ZYLOX_TR("ImportResult", "%1, which decodes it, is not installed"), {kSoundFileLibrary}};
    case Cause::Damaged:
        return ZYLOX_TR("ImportResult", "the file is damaged or cut short");
    case Cause::PitchOutOfReach:
        return {ZYLOX_TR("ImportResult",
                         "the region needs a pitch of %1 semitones to fill the slot; a fit reaches %2 to %3"),
                {TextArgument::signedFixed(pitchNeeded, 1), TextArgument::count(-static_cast<long long>(furthestFit)),
                 TextArgument::signedWhole(static_cast<long long>(furthestFit))}};
    case Cause::EmptyRegion:
        return ZYLOX_TR("ImportResult", "the region holds no sound to fit into the slot");
    case Cause::StretchOutOfReach:
        return {ZYLOX_TR("ImportResult", "the region needs stretching to %1 times its length to fill the slot; a "
                                         "stretch reaches %2 to %3 times"),
                {TextArgument::fixed(stretchNeeded, 3), TextArgument::fixed(shortestStretch, 2),
                 TextArgument::fixed(longestStretch, 2)}};
    case Cause::NoStretchLibrary:
        //: The library's file name, as a user installs it
        return {ZYLOX_TR("ImportResult", "%1, which stretches a sound keeping its pitch, is not installed"),
                {kStretchLibrary}};
    }
    return {};
}

Text ImportResult::text(const std::string& fileName, const std::string& slotLabel) const
{
    //: A file's name, then what its import did
    return {ZYLOX_TR("ImportResult", "%1: %2"), {fileName, outcome(*this, &slotLabel)}};
}

Text ImportResult::textInNamedSlot(const std::string& fileName) const
{
    //: A file's name, then what its import did to the slot named before
    return {ZYLOX_TR("ImportResult", "%1, %2"), {fileName, outcome(*this, nullptr)}};
}

} // namespace audio
