#pragma once

#include "playback/ISoundOutput.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

// Plays through an ALSA PCM device, "default" unless told otherwise (on current desktops it reaches
// PipeWire or PulseAudio). Each play runs on a thread of its own that opens the device, writes the
// samples and waits until they have been heard, so the caller never blocks on the sound card.
class AlsaSoundOutput : public ISoundOutput {
public:
    explicit AlsaSoundOutput(std::string device = "default");
    ~AlsaSoundOutput() override;
    AlsaSoundOutput(const AlsaSoundOutput&) = delete;
    AlsaSoundOutput& operator=(const AlsaSoundOutput&) = delete;

    std::string unavailableReason() const override;
    void play(std::vector<std::uint8_t> samples, EndHandler onEnd) override;
    void stop() override;

private:
    void run(std::vector<std::uint8_t> samples, const EndHandler& onEnd);

    const std::string m_device;
    // Probed once: asking the sound server again on every repaint would be slow.
    std::string m_unavailableReason;
    std::mutex m_playing; // serialises play and stop; the player thread never takes it
    std::thread m_player;
    std::atomic<bool> m_stop{false};
};
