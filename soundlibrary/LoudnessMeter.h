#pragma once

#include "audio/PcmFrames.h"

#include <optional>

namespace soundlibrary {

// The library opened at run time to measure loudness, which is also what a user without it installs.
inline constexpr const char* kLoudnessLibrary = "libebur128.so.1";

// A sound's loudness by EBU R128, measured by libebur128, opened the first time a sound is measured
// as libsndfile is. Without it loudness is unknown, never a failure. A mono sound counts as heard
// from both speakers (dual mono), so it reads as loud as the same sound in both channels of a stereo
// file; of more channels the first two are measured.
class LoudnessMeter {
public:
    struct Loudness {
        double integrated = 0.0; // LUFS; minus infinity for silence
        double loudestShortTerm = 0.0; // LUFS: the highest of the 3 s loudness, measured every 100 ms
    };

    // Whether libebur128 could be opened.
    static bool available();
    // None without libebur128 or of a sound without frames, channels or a usable rate. A sound
    // shorter than the 400 ms of one measuring block is measured with silence after it.
    static std::optional<Loudness> of(const audio::PcmFrames& frames);
};

} // namespace soundlibrary
