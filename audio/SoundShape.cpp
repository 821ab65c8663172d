#include "audio/SoundShape.h"

#include <algorithm>
#include <cmath>

namespace audio {

bool SoundShape::reshapes() const
{
    return start != 0.0 || end || mono != MonoSource::Mix || reverse || (trim && trimThreshold != defaultTrimThreshold)
           || removeDc || gain != 0.0 || limit || pitch != 0.0 || fit || phase != FilterPhase::Linear || fadeIn != 0.0
           || fadeOut != 0.0 || dither != Dither::None;
}

namespace {

double within(double value, double lowest, double highest, double otherwise)
{
    return std::isnan(value) ? otherwise : std::clamp(value, lowest, highest);
}

} // namespace

SoundShape SoundShape::withinRanges() const
{
    SoundShape shape = *this;
    shape.start = within(start, 0.0, longestRegion, 0.0);
    if (end) {
        shape.end = within(*end, 0.0, longestRegion, longestRegion);
    }
    shape.trimThreshold = within(trimThreshold, lowestLevel, highestLevel, defaultTrimThreshold);
    shape.gain = within(gain, lowestGain, highestGain, 0.0);
    if (limit) {
        shape.limit = within(*limit, lowestLevel, highestLevel, highestLevel);
    }
    shape.pitch = within(pitch, lowestPitch, highestPitch, 0.0);
    shape.fadeIn = within(fadeIn, 0.0, longestFade, 0.0);
    shape.fadeOut = within(fadeOut, 0.0, longestFade, 0.0);
    return shape;
}

} // namespace audio
