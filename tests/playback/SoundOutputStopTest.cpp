// The sound output's player thread against a device the test holds: the last frames of a sound are
// never heard unless the test says so, so a Stop or another Play that waited for them to be heard
// would never return (the suite's timeout ends such a run).
#include "playback/AlsaSoundOutput.h"

#include <gtest/gtest.h>

#include <deque>
#include <future>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kBuffer = 3300;
constexpr long kBroken = -5;

// What the device was given and did; the test reads it only once the player thread has ended.
struct DeviceLog {
    std::vector<std::uint8_t> written;
    int opened = 0;
    int dropped = 0;
    int closed = 0;
};

// Takes whatever is written at once and hears it only as far as heard says: all but the last
// frame of the sound stay queued until then. The first time it is asked what is queued, all has
// been written and the player is waiting for the sound's end.
class HeldStream : public IPcmStream {
public:
    HeldStream(DeviceLog& log, std::promise<void>* waiting, long writeResult)
        : m_log(log)
        , m_waiting(waiting)
        , m_writeResult(writeResult)
    {
    }
    ~HeldStream() override { ++m_log.closed; }

    std::size_t bufferFrames() const override { return kBuffer; }
    long write(const std::uint8_t* frames, std::size_t count) override
    {
        if (m_writeResult < 0)
            return m_writeResult;
        m_log.written.insert(m_log.written.end(), frames, frames + count);
        return static_cast<long>(count);
    }
    void waitForRoom(int) override {}
    long queued() override
    {
        if (m_waiting != nullptr)
            std::exchange(m_waiting, nullptr)->set_value();
        return static_cast<long>(kBuffer) + 1;
    }
    void drop() override { ++m_log.dropped; }
    std::string describe(long error) const override { return "the device broke (" + std::to_string(error) + ")"; }

private:
    DeviceLog& m_log;
    std::promise<void>* m_waiting;
    const long m_writeResult;
};

class SoundOutputStopTest : public testing::Test {
protected:
    // The output over held streams; the first open is the output's look for a device.
    std::unique_ptr<AlsaSoundOutput> output(long writeResult = 0)
    {
        return std::make_unique<AlsaSoundOutput>([this, writeResult](std::string&) {
            DeviceLog& log = logs.emplace_back();
            ++log.opened;
            return std::make_unique<HeldStream>(log, waiting.size() < logs.size() ? nullptr : &waiting[logs.size() - 1],
                                                writeResult);
        });
    }
    // Plays the samples; how the play ends: "played", "stopped" or the failure.
    static std::future<std::string> play(AlsaSoundOutput& out, std::vector<std::uint8_t> samples)
    {
        auto ended = std::make_shared<std::promise<std::string>>();
        out.play(std::move(samples), [ended](bool played, const std::string& failure) {
            ended->set_value(played ? "played" : failure.empty() ? "stopped" : failure);
        });
        return ended->get_future();
    }

    std::deque<DeviceLog> logs;
    // Set when the play on the n-th stream opened waits for its sound's end.
    std::deque<std::promise<void>> waiting{3};
};

TEST_F(SoundOutputStopTest, StopAndAnotherPlayWhileTheEndIsAwaitedDropItAndReturnAtOnce)
{
    const std::unique_ptr<AlsaSoundOutput> out = output();
    std::future<void> firstWaits = waiting[1].get_future();
    std::future<void> secondWaits = waiting[2].get_future();
    const std::vector<std::uint8_t> first(33000, 0x10);
    std::future<std::string> firstEnd = play(*out, first);
    firstWaits.get();
    std::future<std::string> secondEnd = play(*out, std::vector<std::uint8_t>(100, 0x20));
    EXPECT_EQ(firstEnd.get(), "stopped");
    secondWaits.get();
    out->stop();
    out->stop();

    EXPECT_EQ(secondEnd.get(), "stopped");
    ASSERT_EQ(logs.size(), 3u);
    // The sound and a buffer of silence went in whole; each play's stream was dropped and closed.
    std::vector<std::uint8_t> expected = first;
    expected.resize(first.size() + kBuffer, 0x80);
    EXPECT_EQ(logs[1].written, expected);
    for (const DeviceLog& log : logs)
        EXPECT_EQ(log.closed, 1);
    EXPECT_EQ(logs[1].dropped, 1);
    EXPECT_EQ(logs[2].dropped, 1);
}

TEST_F(SoundOutputStopTest, APlayThatFailsSaysWhy)
{
    const std::unique_ptr<AlsaSoundOutput> broken = output(kBroken);
    EXPECT_EQ(broken->unavailableReason(), "");
    EXPECT_EQ(play(*broken, std::vector<std::uint8_t>(10, 0x10)).get(), "the device broke (-5)");
    broken->stop();
    EXPECT_EQ(logs.back().dropped, 1);

    // A device that has gone since the output looked for it.
    int opens = 0;
    DeviceLog probed;
    AlsaSoundOutput gone([&opens, &probed](std::string& failure) -> std::unique_ptr<IPcmStream> {
        if (opens++ == 0)
            return std::make_unique<HeldStream>(probed, nullptr, 0);
        failure = "the device has gone";
        return nullptr;
    });
    EXPECT_EQ(play(gone, std::vector<std::uint8_t>(10, 0x10)).get(), "the device has gone");
}

} // namespace
