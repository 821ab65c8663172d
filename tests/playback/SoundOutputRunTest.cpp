// Runs of a source's frames through the sound output: each reaches the device in its own format,
// and a run the device cannot be asked to play is refused alike by the real output and the
// recording one, without reaching the device and without a crash.
#include "playback/AlsaSoundOutput.h"
#include "playback/SourceRun.h"
#include "tests/playback/PlayEnding.h"
#include "tests/support/PacedStream.h"
#include "tests/support/RecordingSoundOutput.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kBuffer = PacedLog::kBufferFrames;

// The real output over streams that take every frame at once and have played it as soon as they
// are asked; the first stream is its look for a device.
class SoundOutputRunTest : public testing::Test {
protected:
    SoundOutputRunTest()
        : output([this](const PcmFormat& format, PlaybackFailure&) {
            PacedLog& log = streams.emplace_back();
            log.room = PacedLog::kUnlimited;
            return std::make_unique<PacedStream>(log, format);
        })
    {
    }

    std::deque<PacedLog> streams;
    AlsaSoundOutput output;
};

TEST_F(SoundOutputRunTest, EachRunPlaysInItsOwnFormatFollowedBySilenceAndASlotAfterItInTheSlotFormat)
{
    const std::vector<std::int16_t> stereo{-32768, 32767, 1, -1, 0x1234, -0x1234};
    EXPECT_EQ(playRun(output, {stereo, 44100, 2}).get(), "played");
    EXPECT_EQ(playRun(output, {{-5, 5, 7}, 8000, 1}).get(), "played");
    EXPECT_EQ(play(output, {0x10, 0xF0}).get(), "played");

    ASSERT_EQ(streams.size(), 4u);
    EXPECT_EQ(streams[0].format, ISoundOutput::kSlotFormat);
    EXPECT_EQ(streams[1].format, (PcmFormat{PcmFormat::Encoding::Signed16, 44100, 2}));
    const auto* const stereoBytes = reinterpret_cast<const std::uint8_t*>(stereo.data());
    std::vector<std::uint8_t> expected(stereoBytes, stereoBytes + stereo.size() * sizeof(std::int16_t));
    expected.resize(expected.size() + kBuffer * 4, 0x00);
    EXPECT_EQ(streams[1].written, expected);
    EXPECT_EQ(streams[2].format, (PcmFormat{PcmFormat::Encoding::Signed16, 8000, 1}));
    EXPECT_EQ(streams[2].written.size(), (3 + kBuffer) * 2);
    EXPECT_EQ(streams[3].format, ISoundOutput::kSlotFormat);
    expected = {0x10, 0xF0};
    expected.resize(2 + kBuffer, 0x80);
    EXPECT_EQ(streams[3].written, expected);
}

TEST_F(SoundOutputRunTest, RunsNoDeviceCanPlayAreRefusedAlikeWithoutReachingTheDevice)
{
    const std::vector<std::pair<PcmRun, std::string>> refused{
        {{{}, 44100, 2}, "the sound to play holds no frames"},
        {{{1, 2, 3}, 44100, 2}, "the sound to play ends in half a stereo frame"},
        {{{1, 2, 3}, 44100, 0}, "a sound of 0 channels cannot be played, only mono or stereo"},
        {{{1, 2, 3}, 44100, 3}, "a sound of 3 channels cannot be played, only mono or stereo"},
        {{{1, 2}, 0, 1}, "a sound at 0 frames per second cannot be played, only at 1000 to 768000"},
        {{{1, 2}, 999, 1}, "a sound at 999 frames per second cannot be played, only at 1000 to 768000"},
        {{{1, 2}, 768001, 2}, "a sound at 768001 frames per second cannot be played, only at 1000 to 768000"},
    };
    for (const auto& [run, refusal] : refused) {
        RecordingSoundOutput recording;
        EXPECT_EQ(playRun(recording, run).get(), refusal);
        EXPECT_EQ(recording.runs.size(), 1u);
        EXPECT_FALSE(recording.playing());
        EXPECT_EQ(playRun(output, run).get(), refusal);
    }
    EXPECT_EQ(streams.size(), 1u) << "only the look for a device opened a stream";

    // The edges of what plays.
    EXPECT_EQ(playRun(output, {{1}, 1000, 1}).get(), "played");
    EXPECT_EQ(playRun(output, {{1, 2}, 768000, 2}).get(), "played");
}

// What a window over a source plays: the region's frames alone, to the source's end at most, of its
// first two channels, in 16 bits whatever its width, at its own rate.
TEST(SourceRun, IsTheRegionsFramesOfTheFirstTwoChannelsInSixteenBitsAtTheSourcesRate)
{
    audio::DecodedSound sound;
    sound.frames = audio::PcmFrames(3, 24, false, 48000.0);
    // Four frames of three 24-bit values, each a 16-bit value of its own shifted up by 8 bits.
    for (int frame = 0; frame < 4; ++frame)
        for (int channel = 0; channel < 3; ++channel)
            for (int byte = 0; byte < 3; ++byte)
                sound.frames.push_back(static_cast<std::uint8_t>(((frame * 16 + channel - 20) * 256) >> (8 * byte)));
    const PcmRun run = sourceRun(sound, {1, 9});
    EXPECT_EQ(run.rate, 48000u);
    EXPECT_EQ(run.channels, 2u);
    EXPECT_EQ(run.samples, (std::vector<std::int16_t>{-4, -3, 12, 13, 28, 29}));
}

} // namespace
