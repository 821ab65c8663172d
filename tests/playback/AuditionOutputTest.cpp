// The pads and the auditions never hold the sound output at once: every audition sets the kit
// player's stream aside until the last audition has ended, however it ended.
#include "playback/AuditionOutput.h"
#include "playback/KitPlayer.h"
#include "tests/playback/PlayEnding.h"
#include "tests/support/PacedStream.h"
#include "tests/support/RecordingSoundOutput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class AuditionOutputTest : public testing::Test {
protected:
    // Streams open now.
    int open()
    {
        const std::lock_guard held(log.lock);
        return log.opened - log.closed;
    }

    PacedLog log;
    KitPlayer kit{
        [this](const PcmFormat& format, PlaybackFailure&) { return std::make_unique<PacedStream>(log, format); }};
    RecordingSoundOutput output;
    AuditionOutput auditions{output, kit};
};

TEST_F(AuditionOutputTest, EachAuditionSetsThePadsAsideUntilTheLastOneEnds)
{
    ASSERT_FALSE(kit.open());
    EXPECT_EQ(open(), 1);

    std::future<std::string> first = play(auditions, {0x90});
    EXPECT_EQ(open(), 0);
    EXPECT_TRUE(auditions.playing());
    // The second stops the first, whose end must not hand the device back under the second.
    std::future<std::string> second = playRun(auditions, {{1, 2}, 44100, 1});
    EXPECT_EQ(first.get(), "stopped");
    EXPECT_EQ(open(), 0);
    output.finish();
    EXPECT_EQ(second.get(), "played");
    EXPECT_EQ(open(), 1);
    EXPECT_FALSE(auditions.playing());

    // Stopped, refused or failed, the device comes back all the same.
    std::future<std::string> stopped = play(auditions, {0x90});
    auditions.stop();
    EXPECT_EQ(stopped.get(), "stopped");
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(playRun(auditions, {{}, 44100, 1}).get(), "the sound to play holds no frames");
    EXPECT_EQ(open(), 1);
    std::future<std::string> failed = play(auditions, {0x90});
    output.fail({PlaybackFailure::Kind::Failed, "test", {}, "gone"});
    EXPECT_EQ(failed.get(), "the ALSA device \"test\" failed (gone)");
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(output.played.size(), 3u) << "the auditions reach the output as they are";
}

} // namespace
