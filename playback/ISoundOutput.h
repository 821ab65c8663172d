#pragma once

#include "playback/PcmFormat.h"
#include "playback/PcmRun.h"
#include "playback/PlaybackFailure.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The system's sound output, for listening: to a slot as the device would sound it (8-bit unsigned
// mono samples, 0x80 is silence, at 33,000 per second), or to a run of a source's frames as they
// are. One sound plays at a time, whichever kind it is.
class ISoundOutput {
public:
    static constexpr unsigned kSampleRate = 33000;
    static constexpr PcmFormat kSlotFormat{PcmFormat::Encoding::Unsigned8, kSampleRate, 1};

    // Called once per play when it ends: played when every sample was heard; otherwise it was
    // stopped, or the output failed or refused the sound and failure says why (none after a
    // stop). It may come on a thread of the output's own.
    using EndHandler = std::function<void(bool played, const PlaybackFailure& failure)>;

    virtual ~ISoundOutput() = default;

    // None when there is an output to play on; otherwise why there is none.
    virtual PlaybackFailure unavailable() const = 0;
    // The same in English for zylox: "No sound output: the ALSA device ...", or empty.
    std::string unavailableReason() const;
    // Stops what is playing, then plays these samples of a slot without waiting for them.
    virtual void play(std::vector<std::uint8_t> samples, EndHandler onEnd) = 0;
    // Stops what is playing, then plays the run without waiting for it. A run the output cannot
    // play (see PcmRun::refusal) ends unheard with that refusal, and never reaches the device.
    virtual void playRun(PcmRun run, EndHandler onEnd) = 0;
    // Ends what is playing at once, dropping what the device still holds; nothing happens when
    // nothing plays. No end notice comes after it returns.
    virtual void stop() = 0;
};
