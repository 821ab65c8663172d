#pragma once

#include "playback/IPcmStream.h"
#include "playback/ISoundOutput.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

// Plays through an ALSA PCM device, "default" unless told otherwise (on current desktops it reaches
// PipeWire or PulseAudio). Each play runs on a thread of its own that opens the device, feeds it
// the samples and follows them until they have been heard, so the caller never blocks on the
// sound card. That thread never waits in a way a stop cannot cut short: Stop, and another Play,
// drop what the device still holds and return at once.
class AlsaSoundOutput : public ISoundOutput {
public:
    explicit AlsaSoundOutput(std::string device = "default");
    // Plays on the streams open makes.
    explicit AlsaSoundOutput(PcmStreamOpener open);
    ~AlsaSoundOutput() override;
    AlsaSoundOutput(const AlsaSoundOutput&) = delete;
    AlsaSoundOutput& operator=(const AlsaSoundOutput&) = delete;

    std::string unavailableReason() const override;
    void play(std::vector<std::uint8_t> samples, EndHandler onEnd) override;
    void stop() override;

private:
    void run(std::vector<std::uint8_t> samples, const EndHandler& onEnd);
    // Whether every sample was heard; false when stopped, or failed with failure set.
    bool feed(IPcmStream& stream, std::vector<std::uint8_t>& samples, std::string& failure);
    // Stops the play on its way, if any, and waits for its thread; with m_playing held.
    void endPlay();

    const PcmStreamOpener m_open;
    // Probed once: asking the sound server again on every repaint would be slow.
    std::string m_unavailableReason;
    std::mutex m_playing; // serialises play and stop; the player thread never takes it
    std::thread m_player;
    std::atomic<bool> m_stop{false};
    // Readable while a stop is asked for: it wakes the player thread wherever it waits.
    int m_wakeUp = -1;
};
