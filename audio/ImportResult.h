#pragma once

#include "audio/ShapeReport.h"
#include "audio/SlotAdvice.h"
#include "audio/SoundShape.h"
#include "bytes/Text.h"

#include <cstddef>
#include <optional>
#include <string>

namespace audio {

// What an import did to a slot, so the user hears of a sound cut short or padded out, or why it
// did nothing.
struct ImportResult {
    enum class Kind { None, Sound, Raw, Message };
    enum class Refusal {
        NoSound, // a sample slot got nothing: no sample data, or an empty file
        OtherSoundFormat, // a sound format no decoder here takes (M4A, WavPack, a WAV of an unknown encoding, ...)
        Undecodable, // a sound format known here that did not decode, or whose library is missing: cause says which
        NotASound, // no sound file at all, and raw device bytes were not allowed
        BankFile, // a bank file (a Standard MIDI File) offered to a firmware slot
        NoMessage, // no whole System Exclusive message of 7-bit data bytes
        ForeignMessage, // a System Exclusive message that is not in the device's own form
        EraseMessage, // a flash erase: sent in place of the slot's data it would leave the block empty
        WrongBlock, // a flash write for another flash block than the slot's own
        OtherSlotMessage, // the other firmware slot's message (it begins as that slot's factory message does):
                          // it writes the other block, so this slot's block would be left erased
        MessageLength, // a message too short or too long to be a block's data: length says how long
        FitOutOfReach, // fitting the region into the slot needs a pitch or stretch beyond reach, or a
                       // library to stretch it that is missing: cause says which
    };
    // What lies behind an Undecodable or FitOutOfReach refusal.
    enum class Cause {
        None,
        NoDecoderLibrary, // the library that decodes the format (kSoundFileLibrary) is not installed
        Damaged, // the file is damaged or cut short
        PitchOutOfReach, // the fit needs pitchNeeded semitones, beyond furthestFit either way
        EmptyRegion, // the region holds no sound to fit
        StretchOutOfReach, // the fit needs a stretch of stretchNeeded, beyond shortestStretch to longestStretch
        NoStretchLibrary, // the library that stretches a sound (kStretchLibrary) is not installed
    };

    Kind kind = Kind::None; // None: nothing was imported and the slot is unchanged
    std::size_t length = 0; // what the file holds, in device bytes (33,000 per second) or message bytes
    std::size_t slotLength = 0; // the slot's length in bytes
    Refusal refusal = Refusal::NoSound; // why, when nothing was imported
    // How a sound was converted, and what trim and normalise did to it.
    SoundShape options{};
    std::size_t trimmed = 0; // device bytes of silence dropped before the sound
    double gainDecibels = 0.0; // what normalising added (negative where it took away)
    Cause cause = Cause::None;
    double pitchNeeded = 0.0; // semitones, for PitchOutOfReach
    double stretchNeeded = 0.0; // times the region's length, for StretchOutOfReach
    // The pitch a fit chose, in semitones (+12 an octave up); none without a fit or where it refused.
    std::optional<double> fitPitch{};
    // The length a fit by stretching gave the region, as times its own; none without one.
    std::optional<double> stretch{};
    ShapeReport report{}; // what the slot's sound came out as
    // What would help a slot that is silent or starts late, or a region that gave nothing (refused NoSound).
    SlotAdvice advice{};
    // The file's sound ended before the length its header declares: length is what it held.
    bool cutShort = false;

    static ImportResult refused(Refusal why, std::size_t length = 0) { return {Kind::None, length, 0, why}; }

    explicit operator bool() const { return kind != Kind::None; }
    bool cut() const { return kind != Kind::Message && length > slotLength; }
    bool padded() const { return kind != Kind::Message && length < slotLength; }

    // The cause in words for zylox: "the file is damaged or cut short", "the region needs a pitch of
    // +76.0 semitones to fill the slot; a fit reaches -48 to +48"; empty for none.
    Text detailText() const;
    std::string detail() const { return detailText().english(); }

    // One line for the status line and `zylox import`, for example
    // "kick.wav: 3.02 s, cut to 0.25 s to fit CLOSED HI HAT (Clean, normalised +6.0 dB)"; of a fit,
    // "loop.wav: 0.99 s, fills CRASH exactly at +7.02 semitones (Clean)"; of a file cut short, "cut.flac: 0.09 s,
    // padded to 0.74 s with silence (Classic); the file is damaged or cut short".
    Text text(const std::string& fileName, const std::string& slotLabel) const;
    std::string describe(const std::string& fileName, const std::string& slotLabel) const
    {
        return text(fileName, slotLabel).english();
    }
    // The same for a line that has named the slot before it, so without its label:
    // "kick.wav, 3.02 s, cut to 0.25 s (Clean, normalised +6.0 dB)".
    Text textInNamedSlot(const std::string& fileName) const;
    std::string describeInNamedSlot(const std::string& fileName) const { return textInNamedSlot(fileName).english(); }
};

} // namespace audio
