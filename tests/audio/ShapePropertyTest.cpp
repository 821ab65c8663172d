// What must hold for every source and shape, over sources and shapes drawn at random (a fixed seed):
// a reversed slot is the forward one mirrored, no byte passes the limiter's ceiling, a fit fills the
// slot across its 48 semitones, a file of any rate, width and channel count fills what the import's
// line says, the slot's sound spans what the line says, the region is exact to the frame, and a
// silent slot always warns with advice that helps.
#include "audio/MonoSteps.h"
#include "audio/ShapeNames.h"
#include "audio/ShapedConversion.h"
#include "audio/SlotImport.h"
#include "audio/SlotRender.h"
#include "tests/audio/Draw.h"
#include "tests/audio/ShapeSounds.h"
#include "tests/audio/SoundFileBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using audio::Dither;
using audio::Resampling;
using audio::SoundShape;
using shape_sounds::soundEnd;

constexpr std::uint64_t seed = 0x7A796C6F78353135;
constexpr double rates[]
    = {8000.0, 11025.0, 22050.0, 32000.0, 33000.0, 44100.0, 48000.0, 88200.0, 96000.0, 176400.0, 192000.0, 384000.0};
constexpr int cases = 200;

// A slot of any length a bank holds, in bytes and in seconds at the device's rate.
struct Slot {
    std::size_t length;
    double seconds;
};

Slot drawSlot(Draw& draw)
{
    const auto length = static_cast<std::size_t>(draw.whole(128, 768));
    return {length, static_cast<double>(length) / 33000.0};
}

// A square wave of some period with a lead-in of silence: never near the zero line once it sounds,
// so where the slot's sound ends is where the conversion's frames end.
struct Source {
    double rate;
    std::uint16_t channels;
    std::uint64_t frames;
    std::uint64_t leadIn;
    double period; // frames
    double level; // full scale 1
    double value(std::uint64_t frame, std::uint16_t channel) const
    {
        if (frame < leadIn)
            return 0.0;
        const double gain = 1.0 - 0.05 * channel;
        return std::fmod(static_cast<double>(frame - leadIn), period) < period / 2.0 ? level * gain : -level * gain;
    }
    double seconds() const { return static_cast<double>(frames) / rate; }
};

Source drawSource(Draw& draw, double seconds, bool leadIn)
{
    Source source{draw.oneOf(rates),
                  static_cast<std::uint16_t>(draw.whole(1, 8)),
                  0,
                  0,
                  0.0,
                  std::pow(10.0, draw.uniform(-12.0, -1.0) / 20.0)};
    source.frames = static_cast<std::uint64_t>(std::ceil(seconds * source.rate)) + 1;
    source.leadIn
        = leadIn ? static_cast<std::uint64_t>(draw.uniform(0.0, 0.4) * static_cast<double>(source.frames)) : 0;
    source.period = draw.uniform(8.0, 400.0) * source.rate / 44100.0;
    return source;
}

audio::DecodedSound decoded(const Source& s)
{
    return shape_sounds::make(s.rate, s.channels, s.frames,
                              [&s](std::uint64_t frame, std::uint16_t channel) { return s.value(frame, channel); });
}

SoundShape drawConversion(Draw& draw)
{
    SoundShape shape;
    shape.resampling = draw.chance(0.5) ? Resampling::Clean : Resampling::Classic;
    if (shape.resampling == Resampling::Clean) {
        shape.dither = draw.oneOf({Dither::None, Dither::Triangular, Dither::Shaped});
        shape.phase = draw.oneOf({audio::FilterPhase::Linear, audio::FilterPhase::Minimum});
    }
    return shape;
}

// A start within the first half of the source half of the time, else its first frame.
double drawStart(Draw& draw, const Source& source)
{
    return draw.sometimesOrZero(0.5, 0.0, 0.5) * static_cast<double>(source.frames) / source.rate;
}

// Where a case failed: the source and the shape it was given.
std::string described(int n, const Source& s, const SoundShape& shape, std::size_t slotLength)
{
    std::ostringstream out;
    out << "case " << n << ": " << s.rate << " Hz, " << s.channels << " channels, " << s.frames << " frames, lead-in "
        << s.leadIn << ", level " << s.level << "; start " << shape.start << ", end " << shape.end.value_or(-1)
        << ", pitch " << shape.pitch << ", trim " << shape.trim << ", normalise " << shape.normalize << ", reverse "
        << shape.reverse << ", " << audio::nameOf(shape.resampling) << ", " << audio::nameOf(shape.dither) << ", "
        << audio::nameOf(shape.phase) << ", slot " << slotLength;
    return out.str();
}

// How far the same value may land apart in two slots that dither it differently: rounding alone
// none; triangular noise of a step either way two; shaped, the fed-back error of up to 1.5 steps
// through the filter's taps (2 cos(3 kHz / 33 kHz) and 1) adds up to 4.3 steps either way.
int ditherSpread(Dither dither)
{
    return dither == Dither::Shaped ? 11 : dither == Dither::Triangular ? 2 : 0;
}

TEST(ShapeProperty, AReversedSlotIsTheForwardOneMirroredWithinTheDithersStep)
{
    Draw draw(seed);
    for (int n = 0; n < cases; ++n) {
        const auto [slotLength, slotSeconds] = drawSlot(draw);
        const Source source = drawSource(draw, draw.uniform(0.3, 3.0) * slotSeconds, true);
        const audio::DecodedSound sound = decoded(source);
        SoundShape forward = drawConversion(draw);
        forward.start = drawStart(draw, source);
        if (const std::optional<double> length = draw.sometimes(0.5, 0.1, 1.0))
            forward.end = forward.start + *length * slotSeconds;
        forward.pitch = draw.sometimesOrZero(0.5, -12.0, 12.0);
        forward.gain = draw.uniform(0.0, 12.0);
        forward.limit = draw.sometimes(0.4, -20.0, 0.0);
        forward.normalize = draw.chance(0.3);
        forward.removeDc = draw.chance(0.3);
        forward.fadeIn = draw.sometimesOrZero(0.3, 0.0, 5.0);
        forward.fadeOut = draw.sometimesOrZero(0.3, 0.0, 5.0);
        SoundShape reversed = forward;
        reversed.reverse = true;
        std::swap(reversed.fadeIn, reversed.fadeOut);
        SCOPED_TRACE(described(n, source, forward, slotLength));

        audio::ImportResult ignored{audio::ImportResult::Kind::Sound};
        std::vector<double> steps = audio::convertShaped(sound, forward, slotLength, ignored);
        // A region with an end longer than the slot sounds from its end, not its start.
        if (forward.end && steps.size() >= slotLength)
            continue;
        std::reverse(steps.begin(), steps.end());
        const std::vector<double> backwards = audio::convertShaped(sound, reversed, slotLength, ignored);
        ASSERT_EQ(backwards.size(), steps.size());
        // Exactly, but for the order of two fades' factors where they overlap.
        for (std::size_t i = 0; i < steps.size(); ++i)
            ASSERT_NEAR(backwards[i], steps[i], 1e-9) << i;

        const Bytes there = audio::renderSlot(sound, forward, slotLength).bytes;
        const Bytes back = audio::renderSlot(sound, reversed, slotLength).bytes;
        const std::size_t count = steps.size();
        for (std::size_t i = 8; i + 8 < count && !there.empty(); ++i)
            ASSERT_LE(std::abs(back[i] - there[count - 1 - i]), ditherSpread(forward.dither)) << i;
    }
}

TEST(ShapeProperty, NoBytePassesTheLimitersCeilingAndAFitFillsTheSlot)
{
    Draw draw(seed);
    for (int n = 0; n < cases; ++n) {
        const auto [slotLength, slotSeconds] = drawSlot(draw);
        const double semitones = draw.uniform(-48.0, 48.0);
        const Source source = drawSource(draw, slotSeconds * std::exp2(semitones / 12.0), false);
        const audio::DecodedSound sound = decoded(source);
        SoundShape fit = drawConversion(draw);
        fit.end = static_cast<double>(source.frames - 1) / source.rate;
        fit.fit = true;
        fit.reverse = draw.chance(0.3);
        SoundShape limited = drawConversion(draw);
        limited.limit = draw.uniform(-40.0, 0.0);
        limited.gain = draw.uniform(0.0, 30.0);
        limited.pitch = draw.uniform(-24.0, 24.0);
        limited.reverse = draw.chance(0.3);
        limited.fadeIn = draw.sometimesOrZero(0.3, 0.0, 5.0);
        SCOPED_TRACE(described(n, source, fit, slotLength) + ", " + std::to_string(semitones) + " semitones");

        const audio::RenderedSlot fitted = audio::renderSlot(sound, fit, slotLength);
        ASSERT_TRUE(fitted.result);
        EXPECT_EQ(fitted.result.length, slotLength);
        EXPECT_GE(soundEnd(fitted.bytes), slotLength - 9);

        const double ceiling = audio::stepsOfLevel(*limited.limit);
        for (const std::uint8_t byte : audio::renderSlot(sound, limited, slotLength).bytes)
            ASSERT_LE(std::abs(byte - 128), ceiling) << *limited.limit << " dBFS";
    }
}

TEST(ShapeProperty, AFileOfAnyRateWidthAndChannelsFillsWhatTheLineSays)
{
    Draw draw(seed);
    for (int n = 0; n < cases / 3; ++n) {
        const auto [slotLength, slotSeconds] = drawSlot(draw);
        const Source source = drawSource(draw, draw.uniform(0.3, 3.0) * slotSeconds, false);
        const bool floating = draw.chance(0.2);
        const auto bits = static_cast<std::uint16_t>(floating ? 32 : draw.oneOf({8, 16, 24, 32}));
        const Bytes file = sound_file_bytes::wav(
            static_cast<std::uint32_t>(source.rate), source.channels, source.frames, bits, floating,
            [&source](std::uint64_t f, std::uint16_t c) { return source.value(f, c); });
        SoundShape shape = drawConversion(draw);
        shape.start = drawStart(draw, source);
        SCOPED_TRACE(described(n, source, shape, slotLength) + ", " + std::to_string(bits)
                     + (floating ? " float" : " bits"));

        Bytes slot(slotLength, 0x11);
        const audio::ImportResult result = audio::importSlot(file, shape, slot);
        ASSERT_TRUE(result);
        // The region's start lies on a whole frame of the source.
        EXPECT_NEAR(static_cast<double>(result.length), (source.seconds() - shape.start) * 33000.0,
                    2.0 + 33000.0 / source.rate);
        const std::size_t said = std::min(result.length, slotLength);
        EXPECT_GE(soundEnd(slot), said - std::min<std::size_t>(said, 9));
        EXPECT_LE(soundEnd(slot), said);
    }
}

TEST(ShapeProperty, TheSlotsSoundSpansWhatTheLineSays)
{
    Draw draw(seed);
    for (int n = 0; n < cases; ++n) {
        const auto [slotLength, slotSeconds] = drawSlot(draw);
        const Source source = drawSource(draw, draw.uniform(0.3, 3.0) * slotSeconds, true);
        const audio::DecodedSound sound = decoded(source);
        SoundShape shape = drawConversion(draw);
        shape.start = draw.sometimesOrZero(0.5, 0.0, 0.5) * source.seconds();
        if (const std::optional<double> length = draw.sometimes(0.5, 0.2, 1.5))
            shape.end = shape.start + *length * slotSeconds;
        shape.pitch = draw.sometimesOrZero(0.5, -12.0, 12.0);
        shape.gain = draw.uniform(0.0, 6.0);
        shape.trim = draw.chance(0.5);
        shape.normalize = draw.chance(0.3);
        SCOPED_TRACE(described(n, source, shape, slotLength));

        const audio::RenderedSlot rendered = audio::renderSlot(sound, shape, slotLength);
        ASSERT_TRUE(rendered.result);
        const std::size_t said = std::min(rendered.result.length, slotLength);
        const double first = std::round(shape.start * source.rate);
        const double bytesPerFrame = 33000.0 / source.rate / std::exp2(shape.pitch / 12.0);
        const double leadIn = std::max(0.0, static_cast<double>(source.leadIn) - first) * bytesPerFrame;
        const double kept = std::max(0.0, leadIn - static_cast<double>(rendered.result.trimmed));
        // The line's length is the sound's, after the trimmed silence: the slot sounds up to it, and
        // from where the lead-in the region keeps ends; a lead-in longer than that leaves it silent.
        EXPECT_LE(soundEnd(rendered.bytes), said);
        if (kept + bytesPerFrame + 2.0 >= static_cast<double>(said))
            continue;
        EXPECT_GE(soundEnd(rendered.bytes) + 9, said);
        // Classic rises between the last silent frame and the first sound; Clean's linear-phase
        // filter rings ahead of it (its pre-echo), and dither sounds in the crumbs it leaves.
        const auto firstSound = static_cast<double>(shape_sounds::firstSound(rendered.bytes));
        EXPECT_LE(firstSound, std::max(kept, 1.0) + bytesPerFrame + 1.0);
        if (shape.resampling == Resampling::Classic
            || (shape.phase == audio::FilterPhase::Minimum && shape.dither == Dither::None && !shape.normalize)) {
            EXPECT_GE(firstSound, kept - bytesPerFrame - 2.0);
        }
    }
}

TEST(ShapeProperty, StartEndAndLengthAreExactToTheFrame)
{
    Draw draw(seed);
    for (int n = 0; n < cases; ++n) {
        const std::size_t slotLength = drawSlot(draw).length;
        // At the device's own rate each slot byte is one source frame: noise, so that a frame too
        // early or late shows in every byte.
        const double rate = draw.chance(0.5) ? 33000.0 : draw.oneOf(rates);
        const auto frames
            = static_cast<std::uint64_t>(draw.uniform(1.0, 3.0) * static_cast<double>(slotLength) * rate / 33000.0);
        const auto noise = [](std::uint64_t frame) {
            return static_cast<double>(static_cast<int>((frame * 2654435761u) % 201) - 100) / 128.0;
        };
        const audio::DecodedSound sound
            = shape_sounds::make(rate, 1, frames, [&](std::uint64_t frame, std::uint16_t) { return noise(frame); });
        SoundShape shape = drawConversion(draw);
        shape.dither = Dither::None;
        const double length = draw.uniform(0.1, 0.9) * static_cast<double>(slotLength) / 33000.0;
        shape.start = draw.uniform(0.0, 1.0) * (static_cast<double>(frames - 1) / rate - length);
        // --length is the end at start + length, as the command line makes it.
        shape.end = shape.start + length;
        SCOPED_TRACE("case " + std::to_string(n) + ", " + std::to_string(rate) + " Hz, start "
                     + std::to_string(shape.start) + ", length " + std::to_string(length));

        const audio::RenderedSlot rendered = audio::renderSlot(sound, shape, slotLength);
        ASSERT_TRUE(rendered.result);
        const auto first = static_cast<std::uint64_t>(std::llround(shape.start * rate));
        const auto last = static_cast<std::uint64_t>(std::llround(*shape.end * rate));
        const double regionBytes = static_cast<double>(last - first) * 33000.0 / rate;
        EXPECT_NEAR(static_cast<double>(rendered.result.length), regionBytes, 1.0);
        EXPECT_LE(soundEnd(rendered.bytes), rendered.result.length);
        if (rate != 33000.0)
            continue;
        // The device's short fade at the cut takes the last 7 bytes down to silence.
        for (std::size_t i = 1; i + 7 < rendered.result.length; ++i)
            ASSERT_LE(std::abs((rendered.bytes[i] - 128) - noise(first + i) * 128.0), 1.0) << i;
    }
}

TEST(ShapeProperty, ASilentSlotAlwaysWarnsAndTheStartItNamesBringsTheSoundIn)
{
    using Kind = audio::SlotAdvice::Kind;
    Draw draw(seed);
    int silent = 0;
    for (int n = 0; n < cases; ++n) {
        const auto [slotLength, slotSeconds] = drawSlot(draw);
        Source source = drawSource(draw, draw.uniform(1.0, 8.0) * slotSeconds, true);
        // From well below the trim threshold to well above the slot's two steps.
        source.level = std::pow(10.0, draw.uniform(-70.0, -20.0) / 20.0);
        const audio::DecodedSound sound = decoded(source);
        SoundShape shape = drawConversion(draw);
        shape.start = draw.sometimesOrZero(0.7, 0.0, 1.1) * source.seconds();
        if (const std::optional<double> length = draw.sometimes(0.4, 0.0, 1.5))
            shape.end = shape.start + *length * slotSeconds;
        shape.pitch = draw.sometimesOrZero(0.3, -12.0, 12.0);
        shape.mono = draw.oneOf({audio::MonoSource::Mix, audio::MonoSource::Left, audio::MonoSource::Side});
        shape.trim = draw.chance(0.3);
        shape.reverse = draw.chance(0.2);
        shape.normalize = draw.chance(0.2);
        SCOPED_TRACE(described(n, source, shape, slotLength));

        const audio::RenderedSlot rendered = audio::renderSlot(sound, shape, slotLength);
        const audio::SlotAdvice& advice = rendered.result.advice;
        if (!rendered.result) {
            // Only a region without a frame gives nothing, and says why.
            EXPECT_TRUE(advice.kind == Kind::PastTheEnd || advice.kind == Kind::UnderAFrame);
            continue;
        }
        if (!rendered.result.report.silent) {
            EXPECT_TRUE(advice.kind == Kind::None || advice.kind == Kind::LateHit);
            continue;
        }
        ++silent;
        ASSERT_TRUE(advice) << "a silent slot without advice";
        EXPECT_NE(advice.kind, Kind::LateHit);
        // A sound too quiet for the slot wherever it starts gets its --gain advice once it is in.
        if (!advice.start || advice.kind == Kind::FirstByte || source.level < 0.05)
            continue;
        SoundShape taken = shape;
        taken.start = *advice.start;
        taken.end = advice.end;
        EXPECT_FALSE(audio::renderSlot(sound, taken, slotLength).result.report.silent)
            << "start " << *advice.start << ", the sound at " << advice.soundStart;
    }
    EXPECT_GT(silent, cases / 10);
}

} // namespace
