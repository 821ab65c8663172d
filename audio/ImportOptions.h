#pragma once

#include "audio/SoundShape.h"

namespace audio {

// What an import into a slot does is the shape it gives the sound, and whether a file that no
// decoder takes may go in as raw device bytes (the shape's first member).
using ImportOptions = SoundShape;

} // namespace audio
