#pragma once

#include "midiio/SysexSendRequest.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

// NOLINTNEXTLINE(bugprone-reserved-identifier): ALSA's name, declared so that users need no ALSA header
struct _snd_seq;

// The ALSA service's System Exclusive messages, queued and sent one after the other on a thread of
// its own: events of at most 256 bytes (or the request's smaller pieces, with their gaps) addressed
// to the destination port, paced at the wire rate (SysexChunkPlan), each completed when its wire
// time has passed, or failed when the sequencer refuses an event, the destination's port ends (the
// service says when a port ends) or the message is cancelled. A failed message gives back the wire
// time of what it never handed to the kernel.
class AlsaSysexSender {
public:
    using Clock = std::chrono::steady_clock;

    // What the sender shares with its service; everything but seq is used under mutex. The port
    // comes subscribed to the destination, or negative when it cannot be.
    struct Sequencer {
        _snd_seq* seq;
        std::mutex& mutex;
        Clock::time_point& wireFreeAt;
        std::function<int(MidiRef destination)> subscribedPort;
    };

    // Without a sequencer every message fails.
    AlsaSysexSender(Sequencer sequencer, std::uint64_t wireBytesPerSecond);
    // Stops at once: call drain first for the bytes on their way.
    ~AlsaSysexSender();
    AlsaSysexSender(const AlsaSysexSender&) = delete;
    AlsaSysexSender& operator=(const AlsaSysexSender&) = delete;

    void send(const SysexSendRequest& request);
    void cancel();
    // Some port ended: a message on its way looks whether it was its destination.
    void portEnded();
    // Waits until every message is completed and its bytes have had their wire time, at most the
    // given time longer: closing the sequencer earlier would throw them away.
    void drain(Clock::duration longest);

private:
    void sendLoop();
    bool sendOne(const SysexSendRequest& request, std::uint64_t generation);
    bool sendChunks(const SysexSendRequest& request, std::uint64_t generation, int port, Clock::time_point start,
                    std::size_t& handedOver);
    // Waits until the time, or until a port ends or the message is cancelled. False when the sender
    // is stopping, the message was cancelled or its destination has gone.
    bool waitUntil(Clock::time_point when, std::uint64_t generation, MidiRef destination);
    bool portExists(MidiRef endpoint);

    Sequencer m_sequencer;
    const std::uint64_t m_wireBytesPerSecond;

    std::mutex m_queueMutex;
    std::condition_variable m_queueChanged;
    // Each request with the cancel generation it was handed over in.
    std::deque<std::pair<SysexSendRequest, std::uint64_t>> m_queue;
    std::uint64_t m_generation = 0;
    // Counts the ports that ended, so that a waiting message looks whether its own was one.
    std::uint64_t m_portsEnded = 0;
    bool m_stopping = false;
    std::thread m_thread;
};
