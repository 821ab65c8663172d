#include "audio/MonoSteps.h"

#include <algorithm>
#include <cmath>

namespace audio {

namespace {

// One value of the frames as getValue reads it, without its checks: the width is a template
// argument, so that the loops below read a long source at memory speed.
template <std::size_t Width, bool Unsigned8> std::int64_t valueAt(const std::uint8_t* at)
{
    if constexpr (Unsigned8) {
        return static_cast<std::int64_t>(at[0]) - 128;
    } else {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < Width; ++i) {
            bits |= static_cast<std::uint64_t>(at[i]) << (8 * i);
        }
        constexpr unsigned shift = 64 - 8 * Width;
        return static_cast<std::int64_t>(bits << shift) >> shift;
    }
}

// Gives use the whole number of count frames from first on, in order: one channel's value, the
// difference of the first two, or the sum of all. Whole numbers add exactly (in doubles too, below
// 2^53), so a step made of one is that of the values added as doubles, to the bit.
template <std::size_t Width, bool Unsigned8, typename Use>
void forEachWhole(const PcmFrames& source, MonoSource mono, std::uint64_t first, std::size_t count, Use use)
{
    const std::size_t channels = source.m_channels;
    const std::uint8_t* frame = source.data() + first * channels * Width;
    const auto value = [&frame](std::size_t channel) { return valueAt<Width, Unsigned8>(frame + channel * Width); };
    const auto each = [&](auto whole) {
        for (std::size_t i = 0; i < count; ++i) {
            use(whole());
            frame += channels * Width;
        }
    };
    switch (mono) {
    case MonoSource::Left:
        return each([&] { return value(0); });
    case MonoSource::Right: {
        const std::size_t second = std::min<std::size_t>(1, channels - 1);
        return each([&] { return value(second); });
    }
    case MonoSource::Side:
        return each([&] { return channels < 2 ? std::int64_t{0} : value(0) - value(1); });
    case MonoSource::Mix:
        break;
    }
    each([&] {
        std::int64_t sum = 0;
        for (std::size_t channel = 0; channel < channels; ++channel) {
            sum += value(channel);
        }
        return sum;
    });
}

// forEachWhole at the source's width.
template <typename Use>
void forEachWholeOf(const PcmFrames& source, MonoSource mono, std::uint64_t first, std::size_t count, Use use)
{
    switch (source.m_bytesPerValue) {
    case 1:
        return source.m_unsigned8Bit ? forEachWhole<1, true>(source, mono, first, count, use)
                                     : forEachWhole<1, false>(source, mono, first, count, use);
    case 2:
        return forEachWhole<2, false>(source, mono, first, count, use);
    case 3:
        return forEachWhole<3, false>(source, mono, first, count, use);
    default:
        return forEachWhole<4, false>(source, mono, first, count, use);
    }
}

// What a frame's whole number is divided by to make it one value.
double divisorOf(const PcmFrames& source, MonoSource mono)
{
    switch (mono) {
    case MonoSource::Left:
    case MonoSource::Right:
        return 1.0;
    case MonoSource::Side:
        return 2.0;
    case MonoSource::Mix:
        break;
    }
    return std::max(1.0, static_cast<double>(source.m_channels));
}

// Whether a whole number of 32 bits a frame takes a third of the frames or less, and every frame's
// fits in it. A source that is not much wider is read at nearly the same speed.
bool worthKeeping(const PcmFrames& source, MonoSource mono)
{
    if (static_cast<std::size_t>(source.m_channels) * source.m_bytesPerValue < 3 * sizeof(std::int32_t)) {
        return false;
    }
    const double largestValue = std::ldexp(1.0, 8 * source.m_bytesPerValue - 1);
    const double valuesAdded = mono == MonoSource::Mix ? source.m_channels : mono == MonoSource::Side ? 2.0 : 1.0;
    return valuesAdded * largestValue <= 0x1p31;
}

} // namespace

MonoSteps::MonoSteps(const PcmFrames& source, MonoSource mono, Keeping keeping)
    : m_source(source)
    , m_mono(mono)
    , m_step(std::ldexp(1.0, 8 - static_cast<int>(source.m_bitsPerValue)))
    , m_divisor(divisorOf(source, mono))
    , m_frames(source.m_bytesPerValue >= 1 && source.m_bytesPerValue <= 4 ? source.frameCount() : 0)
{
    // Dividing by a power of two and then multiplying by the step, itself one, is exact either way:
    // one multiplication by their quotient gives the same steps without a division per value.
    int exponent = 0;
    if (std::frexp(m_divisor, &exponent) == 0.5) {
        m_step = std::ldexp(m_step, 1 - exponent);
        m_divisor = 1.0;
    }
    if (keeping == Keeping::Kept && m_frames > 0 && worthKeeping(source, mono)) {
        m_kept.resize(static_cast<std::size_t>(m_frames));
        std::int32_t* kept = m_kept.data();
        forEachWholeOf(source, mono, 0, m_kept.size(),
                       [&kept](std::int64_t whole) { *kept++ = static_cast<std::int32_t>(whole); });
    }
}

double MonoSteps::at(std::uint64_t frame) const
{
    if (!m_kept.empty()) {
        return stepOf(m_kept[static_cast<std::size_t>(frame)]);
    }
    const auto value = [this, frame](std::uint16_t channel) { return m_source.getValue(frame, channel); };
    switch (m_mono) {
    case MonoSource::Left:
        return stepOf(value(0));
    case MonoSource::Right:
        return stepOf(value(1)); // a mono source's one channel
    case MonoSource::Side:
        return stepOf(m_source.m_channels < 2 ? 0 : value(0) - value(1));
    case MonoSource::Mix:
        break;
    }
    std::int64_t sum = 0;
    for (std::uint16_t channel = 0; channel < m_source.m_channels; ++channel) {
        sum += value(channel);
    }
    return stepOf(sum);
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
    if (!m_kept.empty()) {
        const std::int32_t* kept = m_kept.data() + first;
        // Each way apart, so that the compiler makes either a loop of vector instructions.
        if (m_divisor == 1.0) {
            const double step = m_step;
            std::transform(kept, kept + out.size(), out.begin(),
                           [step](std::int32_t whole) { return static_cast<double>(whole) * step; });
        } else {
            std::transform(kept, kept + out.size(), out.begin(), [this](std::int32_t whole) { return stepOf(whole); });
        }
        return;
    }
    double* made = out.data();
    forEachWholeOf(m_source, m_mono, first, out.size(), [this, &made](std::int64_t whole) { *made++ = stepOf(whole); });
}

double stepsOfLevel(double decibels)
{
    return 128.0 * std::pow(10.0, decibels / 20.0);
}

} // namespace audio
