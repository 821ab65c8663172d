// The reader's wait on the sequencer has no timeout: only a wake-up ends it when nothing arrives.
// A wake-up that went missing would hang these tests (ctest's timeout fails them).
#include "midiio/alsa/WakeablePoll.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <future>
#include <thread>

namespace {

// A pipe that a test writes into, or never does: a sequencer with or without events to read.
class Pipe {
public:
    Pipe() { EXPECT_EQ(pipe(m_ends.data()), 0); }
    ~Pipe()
    {
        close(m_ends[0]);
        close(m_ends[1]);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    pollfd readable() const { return {m_ends[0], POLLIN, 0}; }
    void write() const { EXPECT_EQ(::write(m_ends[1], "x", 1), 1); }

private:
    std::array<int, 2> m_ends{-1, -1};
};

TEST(WakeablePoll, AWakeUpEndsAWaitOnDescriptorsThatNeverBecomeReady)
{
    WakeablePoll wait;
    const Pipe silent;
    std::promise<void> waiting;
    auto outcome = std::async(std::launch::async, [&] {
        std::array<pollfd, 1> descriptors{silent.readable()};
        waiting.set_value();
        return wait.wait(descriptors);
    });
    waiting.get_future().wait();
    wait.wake();
    EXPECT_FALSE(outcome.get());
}

TEST(WakeablePoll, AWakeUpBeforeTheWaitIsNotLostAndEveryLaterWaitEndsToo)
{
    // The destructor may wake the reader before it has reached its wait.
    WakeablePoll wait;
    const Pipe ready;
    ready.write();
    wait.wake();
    std::array<pollfd, 1> descriptors{ready.readable()};
    EXPECT_FALSE(wait.wait(descriptors));
    EXPECT_FALSE(wait.wait(descriptors));
}

TEST(WakeablePoll, ADescriptorThatBecomesReadyEndsTheWaitAndSaysWhichOne)
{
    WakeablePoll wait;
    const Pipe silent;
    const Pipe busy;
    busy.write();
    std::array<pollfd, 2> descriptors{silent.readable(), busy.readable()};
    ASSERT_TRUE(wait.wait(descriptors));
    EXPECT_EQ(descriptors[0].revents, 0);
    EXPECT_EQ(descriptors[1].revents, POLLIN);

    // Without any descriptor of its own it waits for the wake-up alone.
    auto outcome = std::async(std::launch::async, [&] { return wait.wait({}); });
    wait.wake();
    EXPECT_FALSE(outcome.get());
}

} // namespace
