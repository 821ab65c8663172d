#include "tests/audio/SoundFileBytes.h"

#include "audio/DeviceRate.h"
#include "audio/ShapeReport.h"
#include "audio/SlotRender.h"
#include "soundlibrary/LoudnessMatch.h"
#include "soundlibrary/SlotLoudness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

using soundlibrary::LoudnessMatch;

namespace {

// A mono 16-bit sound of seconds at 44.1 kHz: a tone of hertz at amplitude (of full scale), or
// noise where hertz is 0, decaying by decay per second.
audio::DecodedSound sound(double seconds, double hertz, double amplitude, double decay = 1.0)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    const auto frames = static_cast<std::uint64_t>(seconds * 44100.0);
    const Bytes bytes = sound_file_bytes::wav(44100, 1, frames, 16, false, [&](std::uint64_t frame, std::uint16_t) {
        const double t = static_cast<double>(frame) / 44100.0;
        const double wave = hertz > 0.0 ? std::sin(2.0 * std::numbers::pi * hertz * t) : noise(random);
        return amplitude * wave * std::pow(decay, t);
    });
    return audio::decodeSound(bytes, 60.0);
}

} // namespace

TEST(LoudnessMatchTest, TheSlotsMeetTheQuietestOrAGivenTargetAsTheDeviceHearsThem)
{
    const audio::DecodedSound tone = sound(1.0, 997.0, 0.5);
    const audio::DecodedSound hat = sound(0.2, 0.0, 0.3, 0.01);
    const audio::DecodedSound quiet = sound(0.8, 200.0, 0.05, 0.2);
    const audio::SoundShape classic;
    const audio::SoundShape clean{.resampling = audio::Resampling::Clean, .gain = 3.0};
    const std::vector<LoudnessMatch::Slot> slots{
        {&tone, classic, 0x6000}, {&hat, clean, 0x2000}, {&quiet, classic, 0x8000}};
    for (const std::optional<double> target : {std::optional<double>{}, std::optional(-20.0)}) {
        const auto matched = LoudnessMatch::match(slots, target);
        ASSERT_TRUE(matched);
        ASSERT_EQ(matched->size(), 3u);
        const std::optional<double> to = LoudnessMatch::targetOf(*matched, target);
        ASSERT_TRUE(to);
        // The quietest slot by default: the low tone, which then keeps its gain.
        if (!target) {
            EXPECT_EQ(*to, *(*matched)[2].before);
        }
        for (const LoudnessMatch::Matched& slot : *matched) {
            ASSERT_TRUE(slot.after);
            EXPECT_FALSE(slot.held);
            // The figure is of the bytes the device plays, and those are what the new shape renders.
            EXPECT_NEAR(*slot.after, *to, LoudnessMatch::kTolerance);
            EXPECT_EQ(soundlibrary::SlotLoudness::of(slot.bytes), slot.after);
        }
        for (std::size_t i = 0; i < slots.size(); ++i)
            EXPECT_EQ(audio::renderSlot(*slots[i].sound, (*matched)[i].shape, slots[i].length).bytes,
                      (*matched)[i].bytes);
        EXPECT_EQ((*matched)[1].shape.resampling, audio::Resampling::Clean);
    }
}

TEST(LoudnessMatchTest, ASlotThatWouldClipIsHeldAtTheMostItTakes)
{
    // Decaying noise: its peaks reach full scale long before its body reaches -3 LUFS.
    const audio::DecodedSound loud = sound(0.5, 0.0, 0.5, 0.1);
    const audio::DecodedSound soft = sound(0.5, 0.0, 0.05, 0.1);
    const std::vector<LoudnessMatch::Slot> slots{{&loud, {}, 0x6000}, {&soft, {}, 0x6000}};
    const auto matched = LoudnessMatch::match(slots, -3.0);
    ASSERT_TRUE(matched);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const LoudnessMatch::Matched& slot = (*matched)[i];
        EXPECT_TRUE(slot.held && slot.clips) << i;
        EXPECT_FALSE(audio::renderSlot(*slots[i].sound, slot.shape, 0x6000).result.report.clipped) << i;
        audio::SoundShape louder = slot.shape;
        louder.gain += 0.05;
        EXPECT_TRUE(audio::renderSlot(*slots[i].sound, louder, 0x6000).result.report.clipped) << i;
        EXPECT_LT(*slot.after, -3.0 - LoudnessMatch::kTolerance);
    }
    EXPECT_EQ(LoudnessMatch::heldText((*matched)[0], -3.0).english().rfind("held at +", 0), 0u);
}

TEST(LoudnessMatchTest, UnderALimiterNoBytePassesItsCeilingAndASilentSlotIsLeft)
{
    const audio::DecodedSound loud = sound(0.5, 0.0, 0.3, 0.1);
    const audio::DecodedSound silent = sound(0.5, 997.0, 0.0);
    const audio::SoundShape limited{.limit = -6.0};
    const auto matched = LoudnessMatch::match({{&loud, limited, 0x2000}, {&silent, limited, 0x2000}}, -8.0);
    ASSERT_TRUE(matched);
    const LoudnessMatch::Matched& slot = (*matched)[0];
    const int ceiling = static_cast<int>(std::floor(128.0 * std::pow(10.0, -6.0 / 20.0)));
    EXPECT_TRUE(std::all_of(slot.bytes.begin(), slot.bytes.end(),
                            [&](std::uint8_t b) { return std::abs(b - 128) <= ceiling; }));
    EXPECT_GT(slot.shape.gain, 0.0);
    EXPECT_FALSE((*matched)[1].before);
    EXPECT_EQ((*matched)[1].shape.gain, 0.0);
    // Only silence: no target to meet, nothing changed.
    const auto alone = LoudnessMatch::match({{&silent, {}, 0x2000}}, std::nullopt);
    ASSERT_TRUE(alone);
    EXPECT_FALSE(LoudnessMatch::targetOf(*alone, std::nullopt));
}

TEST(LoudnessMatchTest, ASlotOfItsOwnBytesIsTurnedDownButNeverUpPastItsGain)
{
    // A slot's 8-bit bytes as their own source: the default shape gives them back byte for byte.
    const std::vector<std::uint8_t> bytes
        = audio::renderSlot(sound(0.5, 0.0, 0.4, 0.05), audio::SoundShape{}, 0x4000).bytes;
    audio::DecodedSound own;
    own.frames = audio::PcmFrames(1, 8, true, audio::kDeviceRate);
    own.frames.assign(bytes.begin(), bytes.end());
    own.wholeFrames = bytes.size();
    own.failure.kind = audio::ImportResult::Kind::Sound;
    const std::optional<double> was = soundlibrary::SlotLoudness::of(bytes);
    ASSERT_TRUE(was);
    LoudnessMatch::Slot slot{&own, {}, bytes.size(), true};
    for (const double by : {-6.0, -0.5, 3.0, 12.0}) {
        const auto matched = LoudnessMatch::match({slot}, *was + by);
        ASSERT_TRUE(matched);
        const LoudnessMatch::Matched& result = matched->front();
        ASSERT_TRUE(result.after);
        if (by < 0.0) {
            EXPECT_FALSE(result.held) << by;
            EXPECT_NEAR(*result.after, *was + by, LoudnessMatch::kTolerance) << by;
            EXPECT_LT(result.shape.gain, 0.0) << by;
        } else {
            // Louder than it is would raise its steps with it: held as it was, and said why.
            EXPECT_TRUE(result.held && result.ownBytes && !result.clips) << by;
            EXPECT_EQ(result.shape.gain, 0.0) << by;
            EXPECT_EQ(result.after, was) << by;
            EXPECT_NE(LoudnessMatch::heldText(result, *was + by).english().find("no file is kept"), std::string::npos);
        }
    }
    // A slot of its own bytes shaped louder before keeps that gain, and no more.
    slot.shape.gain = 2.0;
    const auto louder = LoudnessMatch::match({slot}, *was + 12.0);
    ASSERT_TRUE(louder);
    EXPECT_EQ(louder->front().shape.gain, 2.0);
    EXPECT_TRUE(louder->front().held);
}

// A quiet tone in eight bits: its loudness is a staircase of the gain, over which a step by the
// difference alone went back and forth and ended up to 0.4 LU off. Over targets a tenth apart, the
// slot always ends within the tolerance.
TEST(LoudnessMatchTest, AToneOnTheEightBitsStaircaseEndsNearTheTarget)
{
    const audio::DecodedSound tone = sound(1.0, 3000.0, 0.3);
    const std::vector<LoudnessMatch::Slot> slots{{&tone, {}, 0x8000}};
    for (int tenths = -240; tenths <= -216; ++tenths) {
        const double target = tenths / 10.0;
        const auto matched = LoudnessMatch::match(slots, target);
        ASSERT_TRUE(matched && (*matched)[0].after);
        EXPECT_NEAR(*(*matched)[0].after, target, LoudnessMatch::kTolerance) << target;
    }
}

// A loud tone brought far down: the first step by the difference lands where its few steps of 8 bits
// round to silence. That render is too quiet, not the end of the search: the slot used to keep its
// gain, the loudest of the kit, with nothing said.
TEST(LoudnessMatchTest, ALoudSlotWhoseFirstStepDownFallsSilentStillGoesDownOrIsHeldWhereItFades)
{
    const audio::DecodedSound loud = sound(0.3, 200.0, 0.99);
    const auto met = LoudnessMatch::match({{&loud, {}, 0x6000}}, -36.0);
    ASSERT_TRUE(met && (*met)[0].before && (*met)[0].after);
    EXPECT_GT(*(*met)[0].before, -3.0);
    EXPECT_NEAR(*(*met)[0].after, -36.0, LoudnessMatch::kTolerance);
    EXPECT_FALSE((*met)[0].held);
    // Below the quietest it sounds at, it ends as near the target as it still sounds, and says so.
    const auto nearest = LoudnessMatch::match({{&loud, {}, 0x6000}}, -50.0);
    ASSERT_TRUE(nearest && (*nearest)[0].after);
    const LoudnessMatch::Matched& held = (*nearest)[0];
    EXPECT_LT(*held.after, -36.0);
    EXPECT_EQ(soundlibrary::SlotLoudness::of(held.bytes), held.after);
    EXPECT_TRUE(held.held && held.fades && !held.clips);
    const std::string said = LoudnessMatch::heldText(held, -50.0).english();
    EXPECT_TRUE(said.starts_with("held at -3") && said.ends_with(" LU over the target: quieter would be silent"))
        << said;
}
