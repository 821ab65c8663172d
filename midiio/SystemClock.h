#pragma once

#include "midiio/IClock.h"

#include <condition_variable>
#include <mutex>

// The real clock: the system's calendar time and real sleeps of the calling thread.
class SystemClock final : public IClock {
public:
    std::int64_t calendarSeconds() override;
    void sleepSeconds(std::uint64_t seconds) override;
    void sleepMicroseconds(std::uint64_t microseconds) override;
    void sleepUntilWoken(std::uint64_t microseconds) override;
    void wake() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_wakeCalled = false;
};
