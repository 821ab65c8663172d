// The sound output's player thread against a device that never plays: a Stop or another Play that
// waited for the device to take or play the last frames of a sound would never return (the
// suite's timeout ends such a run), so the test needs no clock.
#include "playback/AlsaSoundOutput.h"
#include "tests/playback/PlayEnding.h"
#include "tests/support/PacedStream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <future>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kBuffer = PacedLog::kBufferFrames;

class SoundOutputStopTest : public testing::Test {
protected:
    // The output over devices that never play, the n-th opened on logs[n] with rooms[n] frames of
    // room; the first open is the output's look for a device.
    std::unique_ptr<AlsaSoundOutput> output(const std::vector<std::size_t>& rooms)
    {
        for (std::size_t n = 0; n < rooms.size(); ++n) {
            logs[n].room = rooms[n];
            logs[n].holdsTheEnd = true;
        }
        return std::make_unique<AlsaSoundOutput>([this](const PcmFormat& format, PlaybackFailure&) {
            return std::make_unique<PacedStream>(logs.at(opens++), format);
        });
    }

    // Made before the output, so that the test may wait on one while the player opens the next.
    std::deque<PacedLog> logs = std::deque<PacedLog>(3);
    std::size_t opens = 0;
};

TEST_F(SoundOutputStopTest, StopAndAnotherPlayWhileTheEndIsAwaitedDropItAndReturnAtOnce)
{
    // The first play, a run, waits for its sound's end, the second, a slot, for room for its last
    // frames; a refused run stops that.
    const std::unique_ptr<AlsaSoundOutput> out = output({0, PacedLog::kUnlimited, 1000});
    const std::vector<std::int16_t> first(66000, 0x1010);
    std::future<std::string> firstEnd = playRun(*out, {first, 44100, 2});
    ASSERT_TRUE(logs[1].awaitWritten(0));
    std::future<std::string> secondEnd = play(*out, std::vector<std::uint8_t>(1500, 0x20));
    EXPECT_EQ(firstEnd.get(), "stopped");
    ASSERT_TRUE(logs[2].awaitWritten(0));
    EXPECT_EQ(playRun(*out, {{}, 44100, 2}).get(), "the sound to play holds no frames");
    EXPECT_EQ(secondEnd.get(), "stopped");
    out->stop();
    out->stop();

    // The sound and a buffer of silence went in whole; each play's stream was dropped and closed.
    std::vector<std::uint8_t> expected(first.size() * 2, 0x10);
    expected.resize(expected.size() + kBuffer * 4, 0x00);
    EXPECT_EQ(logs[1].written, expected);
    EXPECT_EQ(logs[2].written, std::vector<std::uint8_t>(1000, 0x20));
    for (const PacedLog& log : logs) {
        EXPECT_EQ(log.opened, 1);
        EXPECT_EQ(log.closed, 1);
    }
    EXPECT_EQ(logs[1].dropped, 1);
    EXPECT_EQ(logs[2].dropped, 1);
}

TEST_F(SoundOutputStopTest, APlayThatFailsSaysWhy)
{
    PacedLog log;
    log.writeError = -5;
    int opens = 0;
    AlsaSoundOutput output([&](const PcmFormat& format, PlaybackFailure& failure) -> std::unique_ptr<IPcmStream> {
        // The first open is the look for a device, which writes nothing.
        if (opens++ < 2)
            return std::make_unique<PacedStream>(log, format);
        failure = {PlaybackFailure::Kind::FormatRefused, "test", format, "Device or resource busy"};
        return nullptr;
    });
    EXPECT_EQ(output.unavailableReason(), "");
    EXPECT_EQ(play(output, std::vector<std::uint8_t>(10, 0x10)).get(), "the ALSA device \"test\" failed (-5)");
    EXPECT_EQ(log.dropped, 1);
    EXPECT_EQ(play(output, std::vector<std::uint8_t>(10, 0x10)).get(),
              "the ALSA device \"test\" cannot play 8-bit mono at 33000 frames per second (Device or resource busy)");
}

} // namespace
