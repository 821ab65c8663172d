// One full re-render of a 32,768-byte slot from a decoded 10-second 16-bit stereo 44.1 kHz source,
// as an editor does for every move of a control: a region, gain, fades, a pitch, and the clean
// conversion with noise-shaped dither. A frame of the screen is 16 ms; the goal is under 4 ms.
#include "audio/DecodedSound.h"
#include "audio/SlotRender.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// A decaying 220 Hz tone with a little noise, held as a decoder holds it.
audio::DecodedSound tenSeconds()
{
    audio::DecodedSound sound;
    sound.failure.kind = audio::ImportResult::Kind::Sound;
    sound.frames = audio::sample(2, 16, false, 44100.0);
    constexpr std::uint64_t frames = 441000;
    sound.frames.resize(frames * 4);
    std::uint32_t noise = 1;
    for (std::uint64_t frame = 0; frame < frames; ++frame) {
        const double t = static_cast<double>(frame) / 44100.0;
        noise = noise * 1664525u + 1013904223u;
        const double value = 20000.0 * std::exp(-0.3 * t) * std::sin(2 * std::numbers::pi * 220 * t)
                             + static_cast<double>(noise >> 20) - 2048.0;
        const auto left = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
        const auto right = static_cast<std::uint16_t>(static_cast<std::int16_t>(value / 2));
        std::uint8_t* at = sound.frames.data() + frame * 4;
        at[0] = static_cast<std::uint8_t>(left);
        at[1] = static_cast<std::uint8_t>(left >> 8);
        at[2] = static_cast<std::uint8_t>(right);
        at[3] = static_cast<std::uint8_t>(right >> 8);
    }
    sound.wholeFrames = frames;
    return sound;
}

void BM_RenderShapedSlot(benchmark::State& state)
{
    const audio::DecodedSound sound = tenSeconds();
    audio::SoundShape shape;
    shape.resampling = audio::Resampling::Clean;
    shape.start = 3.2;
    shape.end = 4.5;
    shape.gain = 4.5;
    shape.fadeIn = 2.0;
    shape.fadeOut = 80.0;
    shape.pitch = 3.5;
    shape.dither = audio::Dither::Shaped;
    for (auto _ : state) {
        const audio::RenderedSlot rendered = audio::renderSlot(sound, shape, 32768);
        benchmark::DoNotOptimize(rendered.bytes.data());
    }
}
BENCHMARK(BM_RenderShapedSlot)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
