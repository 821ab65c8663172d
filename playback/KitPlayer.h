#pragma once

#include "playback/IPcmStream.h"
#include "playback/ISoundOutput.h"
#include "playback/KitSounds.h"
#include "playback/PcmFormat.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// Plays a kit's pads as a drum machine does: each pad a voice of its own, so hits of different pads
// overlap and add, and a new hit of a pad starts its sound again. While open it holds one stream on
// the sound output and a thread of its own that keeps a few milliseconds of sound ahead of the
// device, mixing a hit into the very next period it writes. Hits come from any thread (the
// window's keys, a MIDI controller's notes) and cost a short lock, never an allocation or a wait on
// the device.
//
// The mix is 16-bit signed: each voice is its slot's byte moved to the top of 16 bits, so one pad
// sounds exactly as the slot player plays the slot, and the sum of overlapping voices is clipped
// once at the 16-bit limits, where an 8-bit sum would have had to clip each time a voice joins.
class KitPlayer {
public:
    static constexpr PcmFormat kMixFormat{PcmFormat::Encoding::Signed16, ISoundOutput::kSampleRate, 1};
    // Frames mixed at a time, 1 ms: a hit is heard from the next of these written.
    static constexpr std::size_t kPeriodFrames = 33;
    // How far ahead of the device the mix is written, in microseconds: with the period the hit
    // waits for, its sound leaves the program within about 6 ms of the hit. A device that runs dry
    // at that has the lead grown by its period (a millisecond, where it can) each time, as far as
    // the most: a pad heard late plays better than one that crackles.
    static constexpr unsigned kLeadMicroseconds = 5000;
    static constexpr unsigned kMostLeadMicroseconds = 30'000;
    // Hits taken between two periods; more than this many in 1 ms are dropped.
    static constexpr std::size_t kMaxPendingHits = 64;

    // Plays on an ALSA PCM device, "default" unless told otherwise.
    explicit KitPlayer(const std::string& device = "default");
    // Plays on the streams open makes.
    explicit KitPlayer(PcmStreamOpener open);
    ~KitPlayer();
    KitPlayer(const KitPlayer&) = delete;
    KitPlayer& operator=(const KitPlayer&) = delete;

    // What the pads play from the next period on; a voice sounding plays on where it was in its
    // pad's new sound, or ends if that is shorter.
    void setSounds(KitSounds sounds);
    // Whether a hit of the closed hi-hat ends the open hi-hat's sound; on at first.
    void setChoke(bool choke);

    // Opens the stream and starts mixing, unless an audition has the device now (then it opens
    // once the audition gives it back). None, or why the stream could not be opened.
    PlaybackFailure open();
    // Stops mixing and closes the stream, dropping what the device holds.
    void close();
    // An audition is about to play on the output: the stream is closed until every audition has
    // given the device back, so the two never hold the device at once.
    void giveWay();
    // An audition given way to has ended.
    void takeBack();

    // Starts the pad's sound from the next period written; nothing for a pad past the kit's. False
    // while no stream is open to play it (closed, or given way to an audition): such a hit is
    // never heard.
    bool hit(std::size_t pad);
    // The pads sounding in the last period written, one bit per pad (pad 0 the lowest); a read of
    // one atomic, cheap enough for a timer of the window.
    std::uint8_t sounding() const { return m_sounding.load(std::memory_order_relaxed); }
    // Why the stream failed while mixing, or why it could not be opened again after an audition;
    // none while all is well.
    PlaybackFailure failure() const;

private:
    // Opens or closes the stream as the window wants it and the auditions allow; with m_control held.
    PlaybackFailure follow();
    void startMixing(std::unique_ptr<IPcmStream> stream);
    void stopMixing();
    void mix(IPcmStream& stream);

    const PcmStreamOpener m_open;
    // Serialises open, close, giveWay and takeBack; the mixing thread never takes it.
    std::mutex m_control;
    bool m_wanted = false;
    int m_auditions = 0;
    std::thread m_mixer;
    std::atomic<bool> m_stop{false};
    // Whether the mixing thread takes hits: from its start until it stops or its stream fails.
    std::atomic<bool> m_mixing{false};
    // Readable while a stop is asked for: it wakes the mixing thread wherever it waits.
    int m_wakeUp = -1;

    // What the mixing thread takes at each period, held only to copy.
    mutable std::mutex m_shared;
    std::shared_ptr<const KitSounds> m_sounds;
    bool m_choke = true;
    std::array<std::uint8_t, kMaxPendingHits> m_hits{};
    std::size_t m_hitCount = 0;
    PlaybackFailure m_failure;

    std::atomic<std::uint8_t> m_sounding{0};
};
