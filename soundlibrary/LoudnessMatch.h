#pragma once

#include "audio/DecodedSound.h"
#include "audio/SoundShape.h"
#include "bytes/Text.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace soundlibrary {

// The gains that bring slots to one loudness as the device plays them (SlotLoudness): the quietest
// slot's, or a target in LUFS. The 8-bit conversion is not linear (Classic truncates towards the
// zero line, a quiet tail loses steps), so a gain is not found by subtracting once: each slot is
// rendered at the gain the last figure asks for and measured again, until its figure lies within
// kTolerance of the target (a few rounds). A slot the target would push past full scale (or past
// the limiter's ceiling, where its shape has one, when the gain reaches the end of its range) is
// held at the most it takes without clipping, and named; one that would fall silent before it is
// quiet enough, at the least it takes, and named too.
class LoudnessMatch {
public:
    // LU either way: well under the 1 LU a listener tells apart, and what the steps of 8 bits let
    // a gain in hundredths of a dB reach.
    static constexpr double kTolerance = 0.1;

    // One slot to match: its source, decoded, and the shape it is rendered with.
    struct Slot {
        const audio::DecodedSound* sound = nullptr;
        audio::SoundShape shape{};
        std::size_t length = 0; // the slot's bytes
        // sound is the slot's own 8-bit bytes, no file kept: turned down, its old steps shrink under
        // the new ones (at most one more step of error); turned up past the gain it has, they would
        // grow with it into a hiss no render from a file has. Its gain goes no higher than it is, or 0 dB.
        bool ownBytes = false;
    };
    struct Matched {
        audio::SoundShape shape{}; // the slot's shape with its new gain
        std::vector<std::uint8_t> bytes; // the slot as that shape renders it
        std::optional<double> before; // LUFS as the shape first rendered it; none when silent
        std::optional<double> after; // LUFS with the new gain
        bool held = false; // it could not reach the target
        bool clips = false; // held because louder would clip; otherwise the gain goes no higher
        bool ownBytes = false; // held at the gain its own 8-bit bytes allow
        bool fades = false; // held over the target because quieter, its few 8-bit steps round to silence
    };

    // Every slot's match, in order; a silent slot keeps its shape. target none: the quietest
    // sounding slot's figure. None of all when libebur128 is missing.
    static std::optional<std::vector<Matched>> match(const std::vector<Slot>& slots, std::optional<double> target);
    // The target the slots were brought to: the given one, or the quietest figure of those measured.
    static std::optional<double> targetOf(const std::vector<Matched>& matched, std::optional<double> target);

    // "held at +6.2 dB, 3.1 LU under the target: louder would clip"; of a slot the gain's range
    // held, "... the gain goes no higher"; of its own bytes, "... no file is kept to make it louder from";
    // of one that would fall silent, "held at -30.4 dB, 5.1 LU over the target: quieter would be silent".
    static Text heldText(const Matched& matched, double target);
    // Why the firmware bank's slots are never matched.
    static Text firmwareRefusal();
    // "gain -4.3 dB: -16.0 LUFS (was -11.7)".
    static Text matchedText(const Matched& matched);
};

} // namespace soundlibrary
