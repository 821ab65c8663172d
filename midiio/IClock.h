#pragma once

#include <cstdint>

// Time as the transport sees it: calendar seconds for estimates, sleeping for pacing. The system
// clock is the real one; tests pass a virtual clock so that pauses of minutes take no time.
class IClock {
public:
    virtual ~IClock() = default;

    // Calendar time in whole seconds.
    virtual std::int64_t calendarSeconds() = 0;
    virtual void sleepSeconds(std::uint64_t seconds) = 0;
    virtual void sleepMicroseconds(std::uint64_t microseconds) = 0;
    // Sleeps at most this long, less when wake is called meanwhile (or was, since the last such
    // sleep returned): how a sender waits for a completion on another thread without polling. It
    // may return early for another's wake; the caller looks again.
    virtual void sleepUntilWoken(std::uint64_t microseconds) = 0;
    virtual void wake() = 0;
};
