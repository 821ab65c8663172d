#pragma once

#include "midiio/IClock.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

// A clock for tests whose sleeps return at once and only move virtual time on. It records every
// sleep and every hand-over to the MIDI service, so pacing is asserted exactly, and it runs timed
// actions (a loopback message reaching the end of its wire time, a source sending) on a thread of
// their own: a sleep that reaches an action's time waits until the action has run. So a
// transmission on one thread against completions on another is deterministic, and a 100-second
// bank takes milliseconds. Sleeps made inside an action only move time on. Thread-safe.
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

    std::int64_t calendarSeconds() override;
    void sleepSeconds(std::uint64_t seconds) override { sleepMicroseconds(seconds * 1'000'000); }
    void sleepMicroseconds(std::uint64_t microseconds) override;
    // Moves time on action by action until one wakes the sleeper, or by the whole time.
    void sleepUntilWoken(std::uint64_t microseconds) override;
    void wake() override;

    std::uint64_t nowMicroseconds() const;
    void recordHandover(std::size_t bytes);
    std::vector<Entry> timeline() const;
    void clearTimeline();

    // Runs the action when virtual time reaches the given time (at the next sleep, if that time
    // has passed). Actions due at the same time run in the order given.
    void at(std::uint64_t dueMicroseconds, std::function<void()> action);
    // Lets time run on through every pending action: for a test that waits without sleeping.
    void runPending();

private:
    // Runs the actions due by the target, until woken if wakeable.
    void advanceTo(std::unique_lock<std::mutex>& lock, std::uint64_t target, bool wakeable = false);

    mutable std::mutex m_mutex;
    std::condition_variable m_actionDone;
    std::uint64_t m_now = 0;
    bool m_acting = false;
    bool m_wakeCalled = false;
    std::multimap<std::uint64_t, std::function<void()>> m_pending;
    std::vector<Entry> m_timeline;
};
