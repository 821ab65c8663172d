#pragma once
// A sound output that plays nothing: the window benchmarks are about the window, not the sound.
#include "playback/ISoundOutput.h"

#include <cstdint>
#include <vector>

class SilentOutput : public ISoundOutput {
public:
    PlaybackFailure unavailable() const override { return {}; }
    void play(std::vector<std::uint8_t>, EndHandler) override { }
    void playRun(PcmRun, EndHandler) override { }
    void stop() override { }
};
