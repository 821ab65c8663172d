#pragma once
// The sources the benchmarks render and drag over, made in memory as a decoder holds them, and the
// shape they are rendered by.
#include "audio/DecodedSound.h"
#include "audio/SoundShape.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace bench {

// What a source holds: a decaying 220 Hz tone with a little noise, or only noise 72 dB down, which
// every trim threshold takes for silence.
enum class Content { Tone, Hush };

struct Source {
    double rate;
    std::uint16_t channels;
    std::uint16_t bits;
    double seconds;
    Content content;
    bool operator==(const Source&) const = default;
};

// The editor's shape for a drum hit from 3.2 s on: gain, fades, a pitch, clean with shaped dither.
inline audio::SoundShape drumShape()
{
    return {.resampling = audio::Resampling::Clean,
            .start = 3.2,
            .gain = 4.5,
            .pitch = 3.5,
            .fadeIn = 2.0,
            .fadeOut = 80.0,
            .dither = audio::Dither::Shaped};
}

// The source held as a decoder holds it; each channel a little quieter than the one before.
inline audio::DecodedSound decoded(const Source& source)
{
    audio::DecodedSound sound;
    sound.failure.kind = audio::ImportResult::Kind::Sound;
    sound.frames = audio::PcmFrames(source.channels, source.bits, false, source.rate);
    const auto frames = static_cast<std::uint64_t>(source.seconds * source.rate);
    const std::size_t width = sound.frames.m_bytesPerValue;
    sound.frames.resize(frames * source.channels * width);
    const double fullScale = std::ldexp(1.0, source.bits - 1) - 1.0;
    std::uint32_t noise = 1;
    std::uint8_t* at = sound.frames.data();
    for (std::uint64_t frame = 0; frame < frames; ++frame) {
        const double t = static_cast<double>(frame) / source.rate;
        const double tone = source.content == Content::Tone
                                ? 0.6 * std::exp(-0.3 * std::fmod(t, 10.0)) * std::sin(2 * std::numbers::pi * 220 * t)
                                : 0.0;
        for (std::uint16_t channel = 0; channel < source.channels; ++channel) {
            noise = noise * 1664525u + 1013904223u;
            const double hiss = (static_cast<double>(noise >> 8) / 0x1p24 - 0.5) * 0x1p-11;
            const auto value = static_cast<std::uint32_t>(
                static_cast<std::int32_t>(std::lround((tone / (1 + channel) + hiss) * fullScale)));
            for (std::size_t byte = 0; byte < width; ++byte) {
                *at++ = static_cast<std::uint8_t>(value >> (8 * byte));
            }
        }
    }
    sound.wholeFrames = frames;
    return sound;
}

} // namespace bench
