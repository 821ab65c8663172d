#include "audio/MonoSteps.h"

#include <algorithm>
#include <cmath>

namespace audio {

namespace {

// One value of the frames as getValue reads it, without its checks: the width is a template
// argument, so that the loops below read a long source at memory speed.
template <std::size_t Width, bool Unsigned8> double valueAt(const std::uint8_t* at)
{
    if constexpr (Unsigned8) {
        return static_cast<double>(static_cast<int>(at[0]) - 128);
    } else {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < Width; ++i) {
            bits |= static_cast<std::uint64_t>(at[i]) << (8 * i);
        }
        constexpr unsigned shift = 64 - 8 * Width;
        return static_cast<double>(static_cast<std::int64_t>(bits << shift) >> shift);
    }
}

// The same arithmetic as MonoSteps::at, frame after frame, so that both give the same steps to the bit.
template <std::size_t Width, bool Unsigned8>
void fill(const PcmFrames& source, MonoSource mono, double step, std::uint64_t first, std::span<double> out)
{
    const std::size_t channels = source.m_channels;
    const std::uint8_t* frame = source.data() + first * channels * Width;
    const auto value = [&frame](std::size_t channel) { return valueAt<Width, Unsigned8>(frame + channel * Width); };
    const std::size_t second = std::min<std::size_t>(1, channels - 1);
    const auto divisor = static_cast<double>(source.m_channels);
    for (double& made : out) {
        switch (mono) {
        case MonoSource::Left:
            made = value(0) * step;
            break;
        case MonoSource::Right:
            made = value(second) * step;
            break;
        case MonoSource::Side:
            made = channels < 2 ? 0.0 : (value(0) - value(1)) / 2.0 * step;
            break;
        case MonoSource::Mix: {
            double sum = 0.0;
            for (std::size_t channel = 0; channel < channels; ++channel) {
                sum += value(channel);
            }
            made = sum / divisor * step;
            break;
        }
        }
        frame += channels * Width;
    }
}

} // namespace

MonoSteps::MonoSteps(const PcmFrames& source, MonoSource mono)
    : m_source(source)
    , m_mono(mono)
    , m_step(std::ldexp(1.0, 8 - static_cast<int>(source.m_bitsPerValue)))
    , m_frames(source.m_bytesPerValue >= 1 && source.m_bytesPerValue <= 4 ? source.frameCount() : 0)
{
}

double MonoSteps::at(std::uint64_t frame) const
{
    const auto value
        = [this, frame](std::uint16_t channel) { return static_cast<double>(m_source.getValue(frame, channel)); };
    switch (m_mono) {
    case MonoSource::Left:
        return value(0) * m_step;
    case MonoSource::Right:
        return value(1) * m_step; // a mono source's one channel
    case MonoSource::Side:
        return m_source.m_channels < 2 ? 0.0 : (value(0) - value(1)) / 2.0 * m_step;
    case MonoSource::Mix:
        break;
    }
    double sum = 0.0;
    for (std::uint16_t channel = 0; channel < m_source.m_channels; ++channel) {
        sum += value(channel);
    }
    return m_source.m_channels == 0 ? 0.0 : sum / m_source.m_channels * m_step;
}

std::vector<double> MonoSteps::of(SourceRegion region) const
{
    region.last = std::min(region.last, m_frames);
    std::vector<double> steps(region.length());
    into(region.first, steps);
    return steps;
}

void MonoSteps::into(std::uint64_t first, std::span<double> out) const
{
    if (out.empty()) {
        return;
    }
    switch (m_source.m_bytesPerValue) {
    case 1:
        return m_source.m_unsigned8Bit ? fill<1, true>(m_source, m_mono, m_step, first, out)
                                       : fill<1, false>(m_source, m_mono, m_step, first, out);
    case 2:
        return fill<2, false>(m_source, m_mono, m_step, first, out);
    case 3:
        return fill<3, false>(m_source, m_mono, m_step, first, out);
    default:
        return fill<4, false>(m_source, m_mono, m_step, first, out);
    }
}

double stepsOfLevel(double decibels)
{
    return 128.0 * std::pow(10.0, decibels / 20.0);
}

} // namespace audio
