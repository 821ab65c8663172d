#pragma once

#include "audio/DecodedSound.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <vector>

// Sources made in the test, held as a decoder holds them: 32-bit integer frames, full scale 1.0.
namespace shape_sounds {

// channels values per frame from value(frame, channel), each between -1 and 1.
inline audio::DecodedSound make(double rate, std::uint16_t channels, std::uint64_t frames,
                                const std::function<double(std::uint64_t, std::uint16_t)>& value)
{
    audio::DecodedSound sound;
    sound.failure.kind = audio::ImportResult::Kind::Sound;
    sound.frames = audio::sample(channels, 32, false, rate);
    sound.frames.resize(frames * channels * 4);
    std::uint8_t* at = sound.frames.data();
    for (std::uint64_t frame = 0; frame < frames; ++frame) {
        for (std::uint16_t channel = 0; channel < channels; ++channel, at += 4) {
            const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(value(frame, channel) * 2147483647.0)));
            for (int i = 0; i < 4; ++i)
                at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
        }
    }
    sound.wholeFrames = frames;
    return sound;
}

// A mono sine of this level in dBFS.
inline audio::DecodedSound sine(double rate, double seconds, double hertz, double decibels)
{
    const double amplitude = std::pow(10.0, decibels / 20.0);
    return make(rate, 1, static_cast<std::uint64_t>(seconds * rate), [=](std::uint64_t frame, std::uint16_t) {
        return amplitude * std::sin(2.0 * std::numbers::pi * hertz * static_cast<double>(frame) / rate);
    });
}

} // namespace shape_sounds
