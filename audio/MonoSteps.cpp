#include "audio/MonoSteps.h"

#include <algorithm>
#include <cmath>

namespace audio {

MonoSteps::MonoSteps(const sample& source, MonoSource mono)
    : m_source(source)
    , m_mono(mono)
    , m_step(std::ldexp(1.0, 8 - static_cast<int>(source.m_bitrate)))
    , m_frames(source.m_byterate >= 1 && source.m_byterate <= 4 ? source.frameCount() : 0)
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
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i] = at(region.first + i);
    }
    return steps;
}

double stepsOfLevel(double decibels)
{
    return 128.0 * std::pow(10.0, decibels / 20.0);
}

} // namespace audio
