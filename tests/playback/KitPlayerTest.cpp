// The kit player's voices as the device hears them: a test stream takes frames only as the test
// grants room, so each hit is known to arrive between two writes, and what was written is exactly
// what the device would play.
#include "playback/KitPlayer.h"
#include "tests/support/PacedStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kPeriod = KitPlayer::kPeriodFrames;

// A pad's byte as the mix hears it.
int valueOf(std::uint8_t byte)
{
    return (static_cast<int>(byte) - 0x80) * 256;
}

class KitPlayerTest : public testing::Test {
protected:
    KitPlayerTest()
        : player([this](const PcmFormat& format, PlaybackFailure& failure) -> std::unique_ptr<IPcmStream> {
            EXPECT_EQ(format, KitPlayer::kMixFormat);
            if (refuse) {
                failure = refuse;
                return nullptr;
            }
            return std::make_unique<PacedStream>(log, format);
        })
    {
    }

    // Lets the device take frames more and waits until the player has written them.
    std::vector<std::int16_t> play(std::size_t frames)
    {
        const std::size_t total = log.copy().size() + frames;
        EXPECT_TRUE(log.grant(frames));
        EXPECT_TRUE(log.awaitWritten(total));
        return log.copy();
    }

    // The streams opened and closed so far.
    std::pair<int, int> opensAndCloses()
    {
        const std::lock_guard held(log.lock);
        return {log.opened, log.closed};
    }

    void useSounds(const KitSounds& kit)
    {
        sounds = kit;
        player.setSounds(kit);
    }

    PlaybackFailure refuse;
    PacedLog log;
    KitSounds sounds;
    KitPlayer player;
};

// Random kits, random hits between random amounts of room, the choke on, off, and on without an
// open hi-hat, new sounds midway: what the device gets is, frame by frame, the clipped sum of each
// pad's sound from its last hit, and every hit is heard from the first frame written after it. A
// voice ends with its sound, and new sounds take over where the voices are; the lights are the
// voices with sound left.
TEST_F(KitPlayerTest, TheMixIsTheClippedSumOfTheVoicesOverRandomHits)
{
    std::mt19937 random(515);
    KitSounds kit;
    const auto drawSounds = [&] {
        for (auto& pad : kit.pads) {
            pad.resize(std::uniform_int_distribution<std::size_t>(0, 400)(random));
            for (auto& byte : pad)
                byte = static_cast<std::uint8_t>(random());
        }
    };
    drawSounds();
    kit.openHat = 0;
    kit.closedHat = 1;
    useSounds(kit);
    EXPECT_FALSE(player.hit(0)) << "not open yet, nor heard once it is";
    ASSERT_FALSE(player.open());
    EXPECT_FALSE(player.hit(KitSounds::kPads)) << "no such pad";
    EXPECT_EQ(player.sounding(), 0);

    std::array<std::optional<std::size_t>, KitSounds::kPads> start{};
    std::vector<std::int16_t> expected;
    for (int round = 0; round < 600; ++round) {
        const bool choke = round < 200 || round >= 400;
        if (round % 200 == 0)
            player.setChoke(choke);
        if (round == 300) {
            drawSounds();
            kit.pads[2].clear(); // an empty slot: nothing to hear, nothing lit
            useSounds(kit);
        } else if (round == 400) {
            kit.openHat.reset();
            useSounds(kit);
        }
        const std::size_t hits = std::uniform_int_distribution<std::size_t>(0, 3)(random) == 0 ? 0 : random() % 4;
        for (std::size_t hit = 0; hit < hits; ++hit) {
            const std::size_t pad = random() % KitSounds::kPads;
            EXPECT_TRUE(player.hit(pad));
            start[pad] = expected.size();
            if (choke && kit.openHat && pad == kit.closedHat)
                start[*kit.openHat].reset();
        }
        const std::size_t frames = std::uniform_int_distribution<std::size_t>(1, 2 * kPeriod)(random);
        for (std::size_t frame = 0; frame < frames; ++frame) {
            const std::size_t now = expected.size();
            int sum = 0;
            for (std::size_t pad = 0; pad < KitSounds::kPads; ++pad)
                if (start[pad] && now - *start[pad] < kit.pads[pad].size())
                    sum += valueOf(kit.pads[pad][now - *start[pad]]);
            expected.push_back(static_cast<std::int16_t>(std::clamp(sum, -32768, 32767)));
        }
        play(frames);
        unsigned lit = 0;
        for (std::size_t pad = 0; pad < KitSounds::kPads; ++pad) {
            // A voice that has ended stays ended, whatever sound its pad is given next.
            if (start[pad] && expected.size() - *start[pad] >= kit.pads[pad].size())
                start[pad].reset();
            lit |= start[pad] ? 1U << pad : 0U;
        }
        EXPECT_EQ(player.sounding(), lit) << "round " << round;
    }
    EXPECT_EQ(log.copy(), expected);
}

TEST_F(KitPlayerTest, TheStreamIsOpenOnlyWhileWantedAndNoAuditionHasTheDevice)
{
    EXPECT_FALSE(player.open());
    EXPECT_FALSE(player.open()) << "open twice is one stream";
    player.giveWay();
    player.giveWay();
    player.takeBack();
    EXPECT_EQ(opensAndCloses(), std::pair(1, 1)) << "one audition still has the device";
    KitSounds kit;
    kit.pads[0] = std::vector<std::uint8_t>(10, 0x90);
    useSounds(kit);
    EXPECT_FALSE(player.hit(0)) << "while set aside: not heard, then or later";
    player.takeBack();
    std::vector<std::int16_t> heard = play(kPeriod);
    EXPECT_TRUE(std::all_of(heard.begin(), heard.end(), [](std::int16_t v) { return v == 0; }));
    player.close();
    player.takeBack(); // an extra one changes nothing
    EXPECT_EQ(opensAndCloses(), std::pair(2, 2));
    // Given way while closed, the stream opens on the window's wish only once the audition ends.
    player.giveWay();
    EXPECT_FALSE(player.open());
    player.takeBack();
    player.close();
    EXPECT_EQ(opensAndCloses(), std::pair(3, 3));
}

TEST_F(KitPlayerTest, ADeviceThatCannotOpenOrFailsWhileMixingSaysWhy)
{
    refuse = {PlaybackFailure::Kind::Unopenable, "hw:9", KitPlayer::kMixFormat, "No such device"};
    EXPECT_EQ(player.open().describe(), refuse.describe());
    EXPECT_EQ(player.failure().describe(), refuse.describe());
    player.close();

    refuse = {};
    ASSERT_FALSE(player.open());
    EXPECT_FALSE(player.failure());
    ASSERT_TRUE(log.awaitWritten(0)) << "the player mixes and waits for room";
    {
        const std::lock_guard held(log.lock);
        log.writeError = -5;
    }
    ASSERT_TRUE(log.grant(1));
    std::unique_lock held(log.lock);
    EXPECT_TRUE(log.changed.wait_for(held, std::chrono::minutes(1), [&] { return log.closed == 1; }));
    held.unlock();
    EXPECT_EQ(player.failure().describe(), "the ALSA device \"test\" failed (-5)");
    player.close();
}

} // namespace
