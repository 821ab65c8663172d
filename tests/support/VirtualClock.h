#pragma once

#include "midiio/IClock.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

// A clock for tests whose sleeps return at once and only move virtual time on. It records every
// sleep and every hand-over to the MIDI service, so pacing is asserted exactly, and it runs timed
// actions (a loopback message reaching the end of its wire time, a source sending) on an event
// thread of its own: a sleep that reaches an action's time waits until the action has run. So a
// transmission on one thread against completions on another is deterministic, and a 100-second
// bank takes milliseconds.
//
// Sleeps made inside an action only move time on; the actions they pass run once the outer
// action has finished. Thread-safe.
class VirtualClock final : public IClock {
public:
    struct Entry {
        enum class Kind { Sleep, Handover };
        Kind kind;
        // Virtual time when it happened, in microseconds since the clock was made.
        std::uint64_t atMicroseconds;
        // Microseconds slept, or bytes handed over.
        std::uint64_t amount;
    };

    explicit VirtualClock(std::int64_t startCalendarSeconds = 1'700'000'000);
    ~VirtualClock() override;
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;

    std::int64_t calendarSeconds() override;
    void sleepSeconds(std::uint64_t seconds) override;
    void sleepMicroseconds(std::uint64_t microseconds) override;

    std::uint64_t nowMicroseconds() const;
    void recordHandover(std::size_t bytes);
    std::vector<Entry> timeline() const;
    // Just the lengths of the sleeps, in order.
    std::vector<std::uint64_t> sleeps() const;
    void clearTimeline();

    // Runs the action on the event thread when virtual time reaches the given time (at once, at
    // the next sleep, if that time has passed). Actions due at the same time run in the order given.
    void at(std::uint64_t dueMicroseconds, std::function<void()> action);
    // Lets time run on through every pending action: for a test that waits without sleeping.
    void runPending();

private:
    using Key = std::pair<std::uint64_t, std::uint64_t>;

    void advanceTo(std::unique_lock<std::mutex>& lock, std::uint64_t target);
    void fireFirst(std::unique_lock<std::mutex>& lock);
    void eventLoop();

    const std::int64_t m_startCalendarSeconds;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::uint64_t m_now = 0;
    std::uint64_t m_nextSequence = 0;
    std::map<Key, std::function<void()>> m_pending;
    std::function<void()> m_running;
    bool m_firing = false;
    bool m_stopping = false;
    std::vector<Entry> m_timeline;
    std::thread m_eventThread;
};
