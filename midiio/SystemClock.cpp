#include "midiio/SystemClock.h"

#include <chrono>
#include <thread>

std::int64_t SystemClock::calendarSeconds()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(now).count();
}

void SystemClock::sleepSeconds(std::uint64_t seconds)
{
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
}

void SystemClock::sleepMicroseconds(std::uint64_t microseconds)
{
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}

void SystemClock::sleepUntilWoken(std::uint64_t microseconds)
{
    std::unique_lock lock(m_mutex);
    m_woken.wait_for(lock, std::chrono::microseconds(microseconds), [this] { return m_wakeCalled; });
    m_wakeCalled = false;
}

void SystemClock::wake()
{
    {
        std::lock_guard lock(m_mutex);
        m_wakeCalled = true;
    }
    m_woken.notify_all();
}
