#include "tools/Filter.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kSampleRate = 33000.0;

} // namespace

Filter::Filter(double b0, double b1, double b2, double a1, double a2)
    : m_b0(b0)
    , m_b1(b1)
    , m_b2(b2)
    , m_a1(a1)
    , m_a2(a2)
{
}

Filter Filter::highPass(double cutoffHz, double q)
{
    const double w = 2.0 * std::numbers::pi * cutoffHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    const double c = std::cos(w);
    return Filter((1.0 + c) / 2.0 / a0, -(1.0 + c) / a0, (1.0 + c) / 2.0 / a0, -2.0 * c / a0, (1.0 - alpha) / a0);
}

Filter Filter::bandPass(double centreHz, double q)
{
    const double w = 2.0 * std::numbers::pi * centreHz / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    return Filter(alpha / a0, 0.0, -alpha / a0, -2.0 * std::cos(w) / a0, (1.0 - alpha) / a0);
}

double Filter::process(double input)
{
    const double output = m_b0 * input + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1;
    m_x1 = input;
    m_y2 = m_y1;
    m_y1 = output;
    return output;
}
