#pragma once

#include <cstddef>
#include <optional>

namespace audio {

struct DecodedSound;
struct SoundShape;

// What would help a slot that came out silent or starts late, or a region that holds nothing to
// put into a slot: a fact that zylox words as options and the window as its controls, so that both
// give the same advice.
struct SlotAdvice {
    enum class Kind {
        None, // nothing to advise
        PastTheEnd, // the region starts at or past the end of the sourceSeconds long source
        UnderAFrame, // the region ends within the frame it starts on, at rate frames a second
        ChannelSilent, // the shape's mono choice (of channels channels) holds no sound; the mix does
        NoSound, // the source holds no sound above the trim threshold
        FirstByte, // the slot's only sound, at soundStart, fell on its first byte, which is always silent
        Quiet, // the sound is in the slot, but below two steps of 8 bits (the report's peak)
        SoundAfter, // the slot is silent; the next sound starts at soundStart, past what the slot holds
        SoundBefore, // the slot is silent and nothing sounds after its start; the sound starts at soundStart
        LateHit, // the slot sounds, but only from slotStart seconds on
    };

    Kind kind = Kind::None;
    double soundStart = 0.0; // seconds of the source, floored to the millisecond
    double slotStart = 0.0; // seconds into the slot, for LateHit
    // The region's start (and, where it has an end, the end that keeps its length) that brings the
    // sound into the slot; none where no start does.
    std::optional<double> start;
    std::optional<double> end;
    bool trimHelps = false; // trim, which the shape does not ask for, would take the silence away
    double sourceSeconds = 0.0; // the whole source's length, for PastTheEnd
    double rate = 0.0; // the source's frames a second, for UnderAFrame
    unsigned channels = 0; // the source's, for ChannelSilent
    // For NoSound: only the part of a long source around the region was looked
    // through, so sound may lie further away.
    bool nearOnly = false;

    explicit operator bool() const { return kind != Kind::None; }
    // Whether a sound may lie past what was decoded of a source that was not decoded whole: a
    // silent slot's advice is then taken again over the rest of the source.
    bool looksFurther() const
    {
        return kind == Kind::SoundBefore || kind == Kind::NoSound || kind == Kind::ChannelSilent;
    }
};

// Where the slot's sound lies in its device frames before the slot's first byte is made silent:
// what the advice is taken from, besides the source and the shape.
struct SlotSound {
    std::size_t count = 0; // device frames converted from the region
    std::size_t firstSound = 0; // the first of them a step or more off the zero line; count if none
    bool silent = true; // the finished slot's peak is below two steps
    bool lostFirstByte = false; // the slot would have sounded but for its always silent first byte
};

// The advice for a region that gives no frames at all, or none (kind None) where it gives some.
SlotAdvice adviseOnRegion(const DecodedSound& sound, const SoundShape& shape);

// The advice for a rendered slot of slotLength bytes; none for one that sounds from its start.
SlotAdvice adviseOnSlot(const DecodedSound& sound, const SoundShape& shape, const SlotSound& heard,
                        std::size_t slotLength);

} // namespace audio
