#include "tests/support/VirtualClock.h"

#include <algorithm>
#include <limits>
#include <thread>

namespace {

constexpr std::int64_t startCalendarSeconds = 1'700'000'000;
// Set on the threads that run actions.
thread_local bool insideAction = false;

} // namespace

std::int64_t VirtualClock::calendarSeconds()
{
    std::lock_guard lock(m_mutex);
    return startCalendarSeconds + static_cast<std::int64_t>(m_now / 1'000'000);
}

void VirtualClock::sleepMicroseconds(std::uint64_t microseconds)
{
    std::unique_lock lock(m_mutex);
    m_timeline.push_back({Entry::Kind::Sleep, m_now, microseconds});
    const std::uint64_t target = m_now + microseconds;
    if (!insideAction)
        advanceTo(lock, target);
    m_now = std::max(m_now, target);
}

void VirtualClock::sleepUntilWoken(std::uint64_t microseconds)
{
    std::unique_lock lock(m_mutex);
    const std::uint64_t began = m_now;
    const std::uint64_t target = m_now + microseconds;
    if (!insideAction)
        advanceTo(lock, target, true);
    if (!m_wakeCalled)
        m_now = std::max(m_now, target);
    m_wakeCalled = false;
    m_timeline.push_back({Entry::Kind::Sleep, began, m_now - began});
}

void VirtualClock::wake()
{
    std::lock_guard lock(m_mutex);
    m_wakeCalled = true;
}

std::uint64_t VirtualClock::nowMicroseconds() const
{
    std::lock_guard lock(m_mutex);
    return m_now;
}

void VirtualClock::recordHandover(std::size_t bytes)
{
    std::lock_guard lock(m_mutex);
    m_timeline.push_back({Entry::Kind::Handover, m_now, bytes});
}

std::vector<VirtualClock::Entry> VirtualClock::timeline() const
{
    std::lock_guard lock(m_mutex);
    return m_timeline;
}

void VirtualClock::clearTimeline()
{
    std::lock_guard lock(m_mutex);
    m_timeline.clear();
}

void VirtualClock::at(std::uint64_t dueMicroseconds, std::function<void()> action)
{
    std::lock_guard lock(m_mutex);
    m_pending.emplace(dueMicroseconds, std::move(action));
}

void VirtualClock::runPending()
{
    std::unique_lock lock(m_mutex);
    advanceTo(lock, std::numeric_limits<std::uint64_t>::max());
}

// One action at a time, with the clock unlocked so that it can schedule and sleep.
void VirtualClock::advanceTo(std::unique_lock<std::mutex>& lock, std::uint64_t target, bool wakeable)
{
    for (;;) {
        m_actionDone.wait(lock, [this] { return !m_acting; });
        if ((wakeable && m_wakeCalled) || m_pending.empty() || m_pending.begin()->first > target)
            return;
        m_now = std::max(m_now, m_pending.begin()->first);
        std::function<void()> action = std::move(m_pending.begin()->second);
        m_pending.erase(m_pending.begin());
        m_acting = true;
        lock.unlock();
        std::thread([&action] {
            insideAction = true;
            action();
        }).join();
        lock.lock();
        m_acting = false;
        m_actionDone.notify_all();
    }
}
