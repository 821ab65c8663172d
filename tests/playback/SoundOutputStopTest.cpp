// The sound output's player thread against a device that never plays: a Stop or another Play that
// waited for the device to take or play the last frames of a sound would never return (the
// suite's timeout ends such a run), so the test needs no clock.
#include "playback/AlsaSoundOutput.h"
#include "tests/playback/PlayEnding.h"

#include <gtest/gtest.h>

#include <poll.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <future>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kBuffer = 3300;

// What the device was given and did; the test reads it only once the player thread has ended.
struct DeviceLog {
    PcmFormat format;
    std::vector<std::uint8_t> written;
    int dropped = 0;
    int closed = 0;
};

// A device that never plays: it takes frames until its room is used up and then waits for room
// until woken, and keeps the sound's last frame queued. The first time the player waits on it,
// for room or for the sound's end, it says so.
class HeldStream : public IPcmStream {
public:
    HeldStream(DeviceLog& log, std::size_t room, long writeError = 0, std::promise<void>* waiting = nullptr)
        : m_log(log)
        , m_room(room)
        , m_writeError(writeError)
        , m_waiting(waiting)
    {
    }
    ~HeldStream() override { ++m_log.closed; }

    std::size_t bufferFrames() const override { return kBuffer; }
    long write(const std::uint8_t* frames, std::size_t count) override
    {
        if (m_writeError < 0)
            return m_writeError;
        const std::size_t frameBytes = m_log.format.frameBytes();
        const std::size_t taken = std::min(count, (m_room - m_log.written.size()) / frameBytes);
        m_log.written.insert(m_log.written.end(), frames, frames + taken * frameBytes);
        return static_cast<long>(taken);
    }
    void waitForRoom(int wakeUp) override
    {
        saysItWaits();
        pollfd woken{wakeUp, POLLIN, 0};
        poll(&woken, 1, -1);
    }
    long queued() override
    {
        saysItWaits();
        return static_cast<long>(kBuffer) + 1;
    }
    void drop() override { ++m_log.dropped; }
    PlaybackFailure failure(long error) const override
    {
        return {PlaybackFailure::Kind::Failed, "test", {}, std::to_string(error)};
    }

private:
    void saysItWaits()
    {
        if (m_waiting != nullptr)
            std::exchange(m_waiting, nullptr)->set_value();
    }

    DeviceLog& m_log;
    const std::size_t m_room;
    const long m_writeError;
    std::promise<void>* m_waiting;
};

class SoundOutputStopTest : public testing::Test {
protected:
    // The output over held streams, the n-th opened with rooms[n] bytes of room; the first open is
    // the output's look for a device.
    std::unique_ptr<AlsaSoundOutput> output(std::vector<std::size_t> rooms)
    {
        return std::make_unique<AlsaSoundOutput>([this, rooms](const PcmFormat& format, PlaybackFailure&) {
            const std::size_t n = logs.size();
            return std::make_unique<HeldStream>(logs.emplace_back(DeviceLog{format, {}}), rooms.at(n), 0,
                                                &waiting.at(n));
        });
    }

    std::deque<DeviceLog> logs;
    // Set when the play on the n-th stream opened first waits.
    std::deque<std::promise<void>> waiting{3};
};

TEST_F(SoundOutputStopTest, StopAndAnotherPlayWhileTheEndIsAwaitedDropItAndReturnAtOnce)
{
    // The first play, a run, waits for its sound's end, the second, a slot, for room for its last
    // frames; a refused run stops that.
    constexpr std::size_t kUnlimited = SIZE_MAX;
    const std::unique_ptr<AlsaSoundOutput> out = output({kUnlimited, kUnlimited, 1000});
    std::future<void> firstWaits = waiting[1].get_future();
    std::future<void> secondWaits = waiting[2].get_future();
    const std::vector<std::int16_t> first(66000, 0x1010);
    std::future<std::string> firstEnd = playRun(*out, {first, 44100, 2});
    firstWaits.get();
    std::future<std::string> secondEnd = play(*out, std::vector<std::uint8_t>(1500, 0x20));
    EXPECT_EQ(firstEnd.get(), "stopped");
    secondWaits.get();
    EXPECT_EQ(playRun(*out, {{}, 44100, 2}).get(), "the sound to play holds no frames");
    EXPECT_EQ(secondEnd.get(), "stopped");
    out->stop();
    out->stop();

    ASSERT_EQ(logs.size(), 3u);
    // The sound and a buffer of silence went in whole; each play's stream was dropped and closed.
    std::vector<std::uint8_t> expected(first.size() * 2, 0x10);
    expected.resize(expected.size() + kBuffer * 4, 0x00);
    EXPECT_EQ(logs[1].written, expected);
    EXPECT_EQ(logs[2].written, std::vector<std::uint8_t>(1000, 0x20));
    for (const DeviceLog& log : logs)
        EXPECT_EQ(log.closed, 1);
    EXPECT_EQ(logs[1].dropped, 1);
    EXPECT_EQ(logs[2].dropped, 1);
}

TEST_F(SoundOutputStopTest, APlayThatFailsSaysWhy)
{
    DeviceLog log{ISoundOutput::kSlotFormat, {}};
    int opens = 0;
    AlsaSoundOutput output([&](const PcmFormat& format, PlaybackFailure& failure) -> std::unique_ptr<IPcmStream> {
        switch (opens++) {
        case 0: // the look for a device
            return std::make_unique<HeldStream>(log, 0);
        case 1:
            return std::make_unique<HeldStream>(log, 0, -5);
        default:
            failure = {PlaybackFailure::Kind::FormatRefused, "test", format, "Device or resource busy"};
            return nullptr;
        }
    });
    EXPECT_EQ(output.unavailableReason(), "");
    EXPECT_EQ(play(output, std::vector<std::uint8_t>(10, 0x10)).get(), "the ALSA device \"test\" failed (-5)");
    EXPECT_EQ(log.dropped, 1);
    EXPECT_EQ(play(output, std::vector<std::uint8_t>(10, 0x10)).get(),
              "the ALSA device \"test\" cannot play 8-bit mono at 33000 frames per second (Device or resource busy)");
}

} // namespace
