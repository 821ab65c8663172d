#pragma once

#include "audio/DecodedSound.h"
#include "audio/SlotImport.h"
#include "audio/SlotRender.h"
#include "bytes/SourceFileReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <numeric>
#include <string>
#include <vector>

// Sources made in the test, held as a decoder holds them: 32-bit integer frames, full scale 1.0;
// and the slots shaped from them.
namespace shape_sounds {

// What each conversion must do alike.
constexpr audio::Resampling both[] = {audio::Resampling::Classic, audio::Resampling::Clean};

// channels values per frame from value(frame, channel), each between -1 and 1.
inline audio::DecodedSound make(double rate, std::uint16_t channels, std::uint64_t frames,
                                const std::function<double(std::uint64_t, std::uint16_t)>& value)
{
    audio::DecodedSound sound;
    sound.failure.kind = audio::ImportResult::Kind::Sound;
    sound.frames = audio::PcmFrames(channels, 32, false, rate);
    sound.frames.resize(frames * channels * 4);
    std::uint8_t* at = sound.frames.data();
    for (std::uint64_t frame = 0; frame < frames; ++frame) {
        for (std::uint16_t channel = 0; channel < channels; ++channel, at += 4) {
            const auto bits = static_cast<std::uint32_t>(
                static_cast<std::int32_t>(std::lround(value(frame, channel) * 2147483647.0)));
            for (int i = 0; i < 4; ++i)
                at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
        }
    }
    sound.wholeFrames = frames;
    return sound;
}

// A tone of hertz at level (full scale 1) where sounds(seconds, channel) says so, else silence.
inline audio::DecodedSound tone(double rate, std::uint16_t channels, double seconds, double hertz, double level,
                                const std::function<bool(double, std::uint16_t)>& sounds = {})
{
    return make(
        rate, channels, static_cast<std::uint64_t>(seconds * rate), [&](std::uint64_t frame, std::uint16_t channel) {
            const double at = static_cast<double>(frame);
            return !sounds || sounds(at / rate, channel) ? level * std::sin(2.0 * std::numbers::pi * hertz * at / rate)
                                                         : 0.0;
        });
}

// A mono sine of this level in dBFS.
inline audio::DecodedSound sine(double rate, double seconds, double hertz, double decibels)
{
    return tone(rate, 1, seconds, hertz, std::pow(10.0, decibels / 20.0));
}

// The slot the shape makes of the sound, which it must be able to make; the largest slot unless told.
inline std::vector<std::uint8_t> render(const audio::DecodedSound& sound, const audio::SoundShape& shape,
                                        std::size_t slotLength = 32768)
{
    audio::RenderedSlot rendered = audio::renderSlot(sound, shape, slotLength);
    EXPECT_TRUE(rendered.result);
    return rendered.bytes;
}

// The slot a sound file fills, which it must be able to fill, read as zylox import reads it.
inline std::vector<std::uint8_t> imported(const std::string& path, std::size_t slotLength,
                                          const audio::SoundShape& shape)
{
    SourceFileReader source(path);
    std::vector<std::uint8_t> slot(slotLength, 0x11);
    EXPECT_TRUE(audio::importSlot(source, shape, slot)) << path;
    return slot;
}

// Index of the first byte off the zero line; the slot's length when there is none.
inline std::size_t firstSound(const std::vector<std::uint8_t>& slot)
{
    return static_cast<std::size_t>(std::find_if(slot.begin(), slot.end(), [](std::uint8_t b) { return b != 0x80; })
                                    - slot.begin());
}

// One past the last byte off the zero line; 0 when there is none.
inline std::size_t soundEnd(const std::vector<std::uint8_t>& slot)
{
    return static_cast<std::size_t>(
        std::find_if(slot.rbegin(), slot.rend(), [](std::uint8_t b) { return b != 0x80; }).base() - slot.begin());
}

// How many bytes are off the zero line.
inline std::size_t soundBytes(const std::vector<std::uint8_t>& slot)
{
    return static_cast<std::size_t>(std::count_if(slot.begin(), slot.end(), [](std::uint8_t b) { return b != 0x80; }));
}

// The largest distance of a byte from the zero line, in steps.
inline int peak(const std::vector<std::uint8_t>& slot)
{
    return std::transform_reduce(
        slot.begin(), slot.end(), 0, [](int a, int b) { return std::max(a, b); },
        [](std::uint8_t b) { return std::abs(b - 128); });
}

// The mean of the bytes [from, to), and their root mean square about the zero line, in steps.
inline double mean(const std::vector<std::uint8_t>& slot, std::size_t from, std::size_t to)
{
    return std::accumulate(slot.begin() + from, slot.begin() + to, 0.0) / static_cast<double>(to - from);
}
inline double rms(const std::vector<std::uint8_t>& slot, std::size_t from, std::size_t to)
{
    return std::sqrt(std::transform_reduce(slot.begin() + from, slot.begin() + to, 0.0, std::plus<>(),
                                           [](std::uint8_t b) { return (b - 128.0) * (b - 128.0); })
                     / static_cast<double>(to - from));
}

// The frequency of a tone in the slot, from its first and last rising zero crossings (interpolated
// between bytes) inside [from, to), in Hz at the device rate.
inline double frequency(const std::vector<std::uint8_t>& slot, std::size_t from, std::size_t to, int* cycles = nullptr)
{
    double first = -1.0;
    double last = -1.0;
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        const double a = slot[i - 1] - 128.0;
        const double b = slot[i] - 128.0;
        if (a < 0.0 && b >= 0.0) {
            const double at = static_cast<double>(i - 1) + -a / (b - a);
            if (first < 0.0)
                first = at;
            last = at;
            ++count;
        }
    }
    if (cycles != nullptr)
        *cycles = count - 1;
    return (count - 1) * 33000.0 / (last - first);
}

} // namespace shape_sounds
