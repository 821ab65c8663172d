#pragma once

#include "audio/DecodedSound.h"
#include "audio/SourceRegion.h"
#include "playback/PcmRun.h"

// The frames of a source in the region as they are, for the sound output: 16 bits, its first two
// channels at most, at its own rate.
PcmRun sourceRun(const audio::DecodedSound& sound, audio::SourceRegion region);
