#include "tests/support/VirtualClock.h"

#include <algorithm>

VirtualClock::VirtualClock(std::int64_t startCalendarSeconds) : m_startCalendarSeconds(startCalendarSeconds)
{
    m_eventThread = std::thread([this] { eventLoop(); });
}

VirtualClock::~VirtualClock()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_eventThread.join();
}

std::int64_t VirtualClock::calendarSeconds()
{
    std::lock_guard lock(m_mutex);
    return m_startCalendarSeconds + static_cast<std::int64_t>(m_now / 1'000'000);
}

void VirtualClock::sleepSeconds(std::uint64_t seconds)
{
    sleepMicroseconds(seconds * 1'000'000);
}

void VirtualClock::sleepMicroseconds(std::uint64_t microseconds)
{
    std::unique_lock lock(m_mutex);
    m_timeline.push_back({Entry::Kind::Sleep, m_now, microseconds});
    const std::uint64_t target = m_now + microseconds;
    if (std::this_thread::get_id() != m_eventThread.get_id())
        advanceTo(lock, target);
    m_now = std::max(m_now, target);
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

std::vector<std::uint64_t> VirtualClock::sleeps() const
{
    std::lock_guard lock(m_mutex);
    std::vector<std::uint64_t> lengths;
    for (const Entry& entry : m_timeline)
        if (entry.kind == Entry::Kind::Sleep)
            lengths.push_back(entry.amount);
    return lengths;
}

void VirtualClock::clearTimeline()
{
    std::lock_guard lock(m_mutex);
    m_timeline.clear();
}

void VirtualClock::at(std::uint64_t dueMicroseconds, std::function<void()> action)
{
    std::lock_guard lock(m_mutex);
    m_pending.emplace(Key{dueMicroseconds, m_nextSequence++}, std::move(action));
}

void VirtualClock::runPending()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return !m_firing; });
        if (m_pending.empty())
            return;
        fireFirst(lock);
    }
}

void VirtualClock::advanceTo(std::unique_lock<std::mutex>& lock, std::uint64_t target)
{
    for (;;) {
        m_changed.wait(lock, [this] { return !m_firing; });
        if (m_pending.empty() || m_pending.begin()->first.first > target)
            return;
        fireFirst(lock);
    }
}

void VirtualClock::fireFirst(std::unique_lock<std::mutex>& lock)
{
    auto first = m_pending.begin();
    m_now = std::max(m_now, first->first.first);
    m_running = std::move(first->second);
    m_pending.erase(first);
    m_firing = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return !m_firing; });
}

void VirtualClock::eventLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || m_running; });
        if (!m_running)
            return;
        std::function<void()> action = std::move(m_running);
        m_running = nullptr;
        lock.unlock();
        action();
        lock.lock();
        m_firing = false;
        m_changed.notify_all();
    }
}
