#include "audio/SoundShape.h"

namespace audio {

bool SoundShape::reshapes() const
{
    return start != 0.0 || end || mono != MonoSource::Mix || reverse || (trim && trimThreshold != defaultTrimThreshold)
           || removeDc || gain != 0.0 || limit || pitch != 0.0 || fit || phase != FilterPhase::Linear || fadeIn != 0.0
           || fadeOut != 0.0 || dither != Dither::None;
}

} // namespace audio
