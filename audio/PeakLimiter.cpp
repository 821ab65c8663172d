#include "audio/PeakLimiter.h"

#include <algorithm>
#include <cmath>

namespace audio {

namespace {

// The time the gain takes to recover most of the way after a peak: short enough that the body of a
// drum right after its attack is not held down.
constexpr double releaseSeconds = 0.05;

} // namespace

void limitPeaks(std::span<double> steps, double ceiling, double samplerate)
{
    if (!(ceiling > 0.0) || !(samplerate > 0.0)) {
        return;
    }
    const double recovery = 1.0 - std::exp(-1.0 / (releaseSeconds * samplerate));
    double gain = 1.0;
    for (double& value : steps) {
        gain += (1.0 - gain) * recovery;
        const double magnitude = std::abs(value);
        if (magnitude * gain > ceiling) {
            gain = ceiling / magnitude;
        }
        value *= gain;
    }
}

} // namespace audio
