#pragma once

#include "playback/IPcmStream.h"
#include "playback/ISoundOutput.h"
#include "playback/PcmFormat.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <thread>

// Plays through an ALSA PCM device, "default" unless told otherwise (on current desktops it reaches
// PipeWire or PulseAudio). Each play runs on a thread of its own that opens the device for the
// sound's format, feeds it the frames and follows them until they have been heard, so the caller
// never blocks on the sound card. That thread never waits in a way a stop cannot cut short: Stop,
// and another Play, drop what the device still holds and return at once.
class AlsaSoundOutput : public ISoundOutput {
public:
    explicit AlsaSoundOutput(std::string device = "default");
    // Plays on the streams open makes.
    explicit AlsaSoundOutput(PcmStreamOpener open);
    ~AlsaSoundOutput() override;
    AlsaSoundOutput(const AlsaSoundOutput&) = delete;
    AlsaSoundOutput& operator=(const AlsaSoundOutput&) = delete;

    PlaybackFailure unavailable() const override;
    void play(std::vector<std::uint8_t> samples, EndHandler onEnd) override;
    void playRun(PcmRun run, EndHandler onEnd) override;
    void stop() override;

private:
    // Stops what plays, then runs the play on the player thread.
    void start(std::function<void()> play);
    void run(const PcmFormat& format, std::span<const std::uint8_t> frames, const EndHandler& onEnd);
    // Whether every frame was heard; false when stopped, or failed with failure set.
    bool feed(IPcmStream& stream, const PcmFormat& format, std::span<const std::uint8_t> frames,
              PlaybackFailure& failure);
    // Whether the stream took all the frames; false when stopped, or failed with failure set.
    bool write(IPcmStream& stream, std::size_t frameBytes, std::span<const std::uint8_t> frames,
               PlaybackFailure& failure);
    // Stops the play on its way, if any, and waits for its thread; with m_playing held.
    void endPlay();

    const PcmStreamOpener m_open;
    // Probed once: asking the sound server again on every repaint would be slow.
    PlaybackFailure m_unavailable;
    std::mutex m_playing; // serialises play and stop; the player thread never takes it
    std::thread m_player;
    std::atomic<bool> m_stop{false};
    // Readable while a stop is asked for: it wakes the player thread wherever it waits.
    int m_wakeUp = -1;
};
