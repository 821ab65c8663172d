#pragma once

#include "midiio/IClock.h"

// The real clock: the system's calendar time and real sleeps of the calling thread.
class SystemClock final : public IClock {
public:
    std::int64_t calendarSeconds() override;
    void sleepSeconds(std::uint64_t seconds) override;
    void sleepMicroseconds(std::uint64_t microseconds) override;
};
