#pragma once

#include "playback/ISoundOutput.h"

#include <atomic>
#include <cstdint>
#include <vector>

class KitPlayer;

// The sound output the window's auditions (a slot, a source, a library file) play through while the
// kit player may hold the device: each play first sets the pads aside, and they take the device
// back once no audition plays any more. An audition is something the user asked to hear whole; the
// pads wait for it, and a pad hit stops it (the window calls stop) rather than sounding over it.
class AuditionOutput : public ISoundOutput {
public:
    AuditionOutput(ISoundOutput& output, KitPlayer& kit);
    // Stops what plays, so that no end notice reaches the kit player after this.
    ~AuditionOutput() override;
    AuditionOutput(const AuditionOutput&) = delete;
    AuditionOutput& operator=(const AuditionOutput&) = delete;

    PlaybackFailure unavailable() const override;
    void play(std::vector<std::uint8_t> samples, EndHandler onEnd) override;
    void playRun(PcmRun run, EndHandler onEnd) override;
    void stop() override;
    // Whether an audition is playing now.
    bool playing() const { return m_playing.load() > 0; }

private:
    // The handler that gives the device back to the pads before telling the caller.
    EndHandler givingBack(EndHandler onEnd);

    ISoundOutput& m_output;
    KitPlayer& m_kit;
    std::atomic<int> m_playing{0};
};
