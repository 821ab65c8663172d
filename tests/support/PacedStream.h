#pragma once

#include "playback/IPcmStream.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

// What a paced stream was given, kept beyond the stream's life: the test reads it while the player
// writes, under its lock. The test sets how the device takes frames before the stream opens.
struct PacedLog {
    static constexpr std::size_t kBufferFrames = 100;
    static constexpr std::size_t kUnlimited = SIZE_MAX;

    std::mutex lock;
    std::condition_variable changed;
    PcmFormat format; // the last stream's
    std::vector<std::uint8_t> written;
    std::size_t room = 0; // frames the device takes yet; kUnlimited for one that takes all at once
    // A device that never plays keeps the sound's last frame queued, so its end never comes.
    bool holdsTheEnd = false;
    long writeError = 0;
    bool waiting = false; // the player waits for room or the sound's end, all it wrote before accounted for
    int opened = 0;
    int closed = 0;
    int dropped = 0;
    int roomFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);

    ~PacedLog() { close(roomFd); }

    // The device plays frames and so makes room for as many more, once the player waits for room:
    // a period it mixed before the test's hits or sounds is then never taken, but mixed again with
    // them. False if the player has not waited within a minute, which only a fault would take.
    bool grant(std::size_t frames)
    {
        std::unique_lock held(lock);
        if (!changed.wait_for(held, std::chrono::minutes(1), [&] { return waiting; }))
            return false;
        room += frames;
        // Told under the lock, so that a wait for room that starts later has seen this grant.
        eventfd_write(roomFd, 1);
        return true;
    }
    // Waits until the player has written frames in all and waits again; false if it has not within
    // a minute, which only a fault would take.
    bool awaitWritten(std::size_t frames)
    {
        std::unique_lock held(lock);
        return changed.wait_for(held, std::chrono::minutes(1),
                                [&] { return written.size() >= frames * format.frameBytes() && waiting; });
    }
    // The 16-bit frames written so far.
    std::vector<std::int16_t> copy()
    {
        const std::lock_guard held(lock);
        std::vector<std::int16_t> values(written.size() / sizeof(std::int16_t));
        // Nothing written yet leaves both vectors without storage, which memcpy may not be given.
        if (!values.empty())
            std::memcpy(values.data(), written.data(), values.size() * sizeof(std::int16_t));
        return values;
    }
};

// A device the test paces: it takes frames only as far as the test has granted room, and its wait
// for room returns once the test grants more or the player is woken. Whatever it took has been
// heard, unless the log holds the end.
class PacedStream : public IPcmStream {
public:
    PacedStream(PacedLog& log, const PcmFormat& format)
        : m_log(log)
    {
        const std::lock_guard held(m_log.lock);
        m_log.format = format;
        ++m_log.opened;
    }
    ~PacedStream() override
    {
        const std::lock_guard held(m_log.lock);
        ++m_log.closed;
        m_log.changed.notify_all();
    }

    std::size_t bufferFrames() const override { return PacedLog::kBufferFrames; }
    long write(const std::uint8_t* frames, std::size_t count) override
    {
        const std::lock_guard held(m_log.lock);
        if (m_log.writeError < 0)
            return m_log.writeError;
        const std::size_t taken = std::min(count, m_log.room);
        m_log.written.insert(m_log.written.end(), frames, frames + taken * m_log.format.frameBytes());
        if (m_log.room != PacedLog::kUnlimited)
            m_log.room -= taken;
        m_log.changed.notify_all();
        return static_cast<long>(taken);
    }
    void waitForRoom(int wakeUp) override
    {
        {
            // Grants told before now are in the room already: only a later one ends the wait, so
            // the player seen waiting is sure to wait on.
            const std::lock_guard held(m_log.lock);
            eventfd_t granted = 0;
            eventfd_read(m_log.roomFd, &granted);
            if (m_log.room > 0)
                return;
            m_log.waiting = true;
            m_log.changed.notify_all();
        }
        pollfd descriptors[2]{{m_log.roomFd, POLLIN, 0}, {wakeUp, POLLIN, 0}};
        poll(descriptors, 2, -1);
        const std::lock_guard held(m_log.lock);
        m_log.waiting = false;
        m_log.changed.notify_all();
    }
    long queued() override
    {
        const std::lock_guard held(m_log.lock);
        if (!m_log.holdsTheEnd)
            return 0;
        // The player waits on the end from here until it is stopped.
        m_log.waiting = true;
        m_log.changed.notify_all();
        return static_cast<long>(PacedLog::kBufferFrames) + 1;
    }
    void drop() override
    {
        const std::lock_guard held(m_log.lock);
        ++m_log.dropped;
    }
    PlaybackFailure failure(long error) const override
    {
        return {PlaybackFailure::Kind::Failed, "test", {}, std::to_string(error)};
    }

private:
    PacedLog& m_log;
};
