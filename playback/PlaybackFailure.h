#pragma once

#include "playback/PcmFormat.h"

#include <string>

// Why a sound was not heard, or why there is no output to hear it on, as a fact both programs
// word: the editor in the window's language, zylox in English. ALSA's own text for its error
// passes through as it is.
struct PlaybackFailure {
    enum class Kind {
        None,
        Unopenable, // device cannot be opened
        FormatRefused, // device cannot play format
        Failed, // device failed while playing
        Channels, // a run of format.channels channels: only mono or stereo play
        Rate, // a run at format.rate frames per second, outside PcmRun's rates
        NoFrames, // a run without a frame
        HalfFrame, // a stereo run that ends in half a frame
    };

    Kind kind = Kind::None;
    std::string device{};
    PcmFormat format{};
    std::string system{}; // ALSA's text for the error, for the device kinds

    explicit operator bool() const { return kind != Kind::None; }
    // "the ALSA device "default" cannot be opened (No such file or directory)", "a sound of 3
    // channels cannot be played, only mono or stereo"; empty for none.
    Text text() const;
    std::string describe() const { return text().english(); }
    // "No sound output: " and why, for the Play buttons' tooltips; empty when there is an output.
    Text unavailable() const;
};
