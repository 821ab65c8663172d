// The advice for a slot that comes out silent or starts late, and for a region that gives nothing:
// each case names what would help, and where it names a start, that start brings the sound in.
#include "audio/SlotRender.h"
#include "tests/audio/ShapeSounds.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using audio::MonoSource;
using audio::SoundShape;
using Kind = audio::SlotAdvice::Kind;

constexpr double rate = 44100.0;

// A 440 Hz tone at level (full scale 1) from one time to another, silence elsewhere.
audio::DecodedSound tone(double seconds, double from, double to, double level = 0.5)
{
    return shape_sounds::tone(rate, 1, seconds, 440.0, level,
                              [=](double t, std::uint16_t) { return t >= from && t < to; });
}

// A source, its shape and the advice it must get.
struct Advised {
    audio::DecodedSound sound;
    SoundShape shape;
    Kind kind;
    double at = 0.0; // soundStart, or slotStart for a late hit
    std::optional<double> start{};
    std::optional<double> end{};
    bool trimHelps = false;
    std::size_t slotLength = 8192;
};

TEST(SlotAdvice, EachSilentLateOrEmptyCaseNamesWhatWouldHelpAndTheStartItNamesBringsTheSoundIn)
{
    const auto click = shape_sounds::make(
        rate, 1, 44100, [](std::uint64_t frame, std::uint16_t) { return frame == 22050 ? 0.6 : 0.0; });
    const auto first
        = shape_sounds::make(rate, 1, 44100, [](std::uint64_t frame, std::uint16_t) { return frame == 0 ? 0.6 : 0.0; });
    // Sound for the first second and from 10 s to 11 s, silence between.
    const auto gap = tone(11.0, 0.0, 1.0);
    const auto gapped
        = shape_sounds::tone(rate, 1, 11.0, 440.0, 0.5, [](double t, std::uint16_t) { return t < 1.0 || t >= 10.0; });
    const auto late = tone(0.6, 0.4, 0.6);
    const auto leftOnly
        = shape_sounds::tone(rate, 2, 1.0, 440.0, 0.5, [](double, std::uint16_t channel) { return channel == 0; });
    const auto same = shape_sounds::tone(rate, 2, 1.0, 440.0, 0.5);
    const std::pair<std::string, Advised> cases[] = {
        {"a tone from its start", {tone(1.0, 0.0, 1.0), {}, Kind::None}},
        {"a click exactly at the start falls on the silent first byte",
         {click, {.start = 0.5}, Kind::FirstByte, 0.5, 0.499}},
        {"a click on the file's first frame has no earlier start", {first, {}, Kind::FirstByte}},
        {"a start in a gap names the next sound, not the file's first",
         {gapped, {.start = 5.0}, Kind::SoundAfter, 10.0, 10.0, std::nullopt, true}},
        {"with an end before the sound, trim cannot reach it and the end moves along",
         {gapped, {.start = 5.0, .end = 6.0}, Kind::SoundAfter, 10.0, 10.0, 11.0}},
        {"trim already given is not advised again",
         {late, {.trim = true, .start = 0.1, .end = 0.3}, Kind::SoundAfter, 0.4, 0.4, 0.6}},
        {"nothing after the start names the sound before it", {gap, {.start = 5.0}, Kind::SoundBefore, 0.0, 0.0}},
        {"the side of a mono sound", {tone(1.0, 0.0, 1.0), {.mono = MonoSource::Side}, Kind::ChannelSilent}},
        {"the side of two equal channels", {same, {.mono = MonoSource::Side}, Kind::ChannelSilent}},
        {"a silent right channel", {leftOnly, {.mono = MonoSource::Right}, Kind::ChannelSilent}},
        {"a source below the trim threshold", {tone(1.0, 0.0, 1.0, 0.0005), {}, Kind::NoSound}},
        {"a sound above the threshold that stays below two steps", {tone(1.0, 0.0, 1.0, 0.006), {}, Kind::Quiet}},
        {"a start past the end", {tone(1.0, 0.0, 1.0), {.start = 2.0}, Kind::PastTheEnd}},
        {"a region shorter than a frame", {tone(1.0, 0.0, 1.0), {.start = 0.5, .end = 0.50001}, Kind::UnderAFrame}},
        {"a lead-in that leaves the slot partly silent",
         {late, {}, Kind::LateHit, 0.4, 0.4, std::nullopt, true, 24420}},
        {"reversed, the silence after the sound is the lead-in, which only trim takes away",
         {.sound = tone(1.0, 0.0, 0.2),
          .shape = {.end = 0.5, .reverse = true},
          .kind = Kind::LateHit,
          .at = 0.3,
          .trimHelps = true,
          .slotLength = 32768}},
    };
    for (const auto& [what, c] : cases) {
        SCOPED_TRACE(what);
        const audio::RenderedSlot rendered = audio::renderSlot(c.sound, c.shape, c.slotLength);
        const audio::SlotAdvice& advice = rendered.result.advice;
        ASSERT_EQ(advice.kind, c.kind);
        EXPECT_EQ(advice.start, c.start);
        EXPECT_EQ(advice.end, c.end);
        EXPECT_EQ(advice.trimHelps, c.trimHelps);
        switch (c.kind) {
        case Kind::PastTheEnd:
            EXPECT_FALSE(rendered.result);
            EXPECT_DOUBLE_EQ(advice.sourceSeconds, 1.0);
            continue;
        case Kind::UnderAFrame:
            EXPECT_FALSE(rendered.result);
            EXPECT_EQ(advice.rate, rate);
            continue;
        case Kind::LateHit:
            EXPECT_FALSE(rendered.result.report.silent);
            EXPECT_NEAR(advice.slotStart, c.at, 0.002);
            break;
        case Kind::ChannelSilent:
            EXPECT_EQ(advice.channels, c.sound.frames.m_channels);
            [[fallthrough]];
        default:
            EXPECT_EQ(rendered.result.report.silent, c.kind != Kind::None);
            EXPECT_NEAR(advice.soundStart, c.at, 0.001);
        }
        // Taken, the advice's start brings the sound into the slot from its start.
        if (advice.start) {
            SoundShape taken = c.shape;
            taken.start = *advice.start;
            taken.end = advice.end ? advice.end : c.shape.end;
            const audio::RenderedSlot helped = audio::renderSlot(c.sound, taken, c.slotLength);
            EXPECT_FALSE(helped.result.report.silent);
            EXPECT_EQ(helped.result.advice.kind, Kind::None);
        }
        if (advice.trimHelps) {
            SoundShape trimmed = c.shape;
            trimmed.trim = true;
            EXPECT_EQ(audio::renderSlot(c.sound, trimmed, c.slotLength).result.advice.kind, Kind::None);
        }
    }
}

} // namespace
