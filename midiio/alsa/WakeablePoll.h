#pragma once

#include <poll.h>

#include <span>

// A wait on some descriptors that another thread can end at once, so that a thread listening to
// the sequencer never needs a timeout to notice that it should stop: polling every so often would
// hold up whoever waits for it to end (a program closing) by up to that interval.
class WakeablePoll {
public:
    WakeablePoll();
    ~WakeablePoll();
    WakeablePoll(const WakeablePoll&) = delete;
    WakeablePoll& operator=(const WakeablePoll&) = delete;

    // Waits, without end, until one of the descriptors is ready (true) or wake has been called, before
    // or during the wait (false, and false from then on).
    bool wait(std::span<pollfd> descriptors);
    // From any thread; the wait never misses it, whenever it comes.
    void wake();

private:
    // Readable once woken; nothing ever reads it, so it stays readable.
    int m_wakeUp = -1;
};
