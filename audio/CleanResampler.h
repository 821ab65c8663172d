#pragma once

#include "audio/PcmFrames.h"
#include "audio/SoundShape.h"
#include "audio/StepsReader.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace audio {

// Source rates the band-limited resampler takes, in frames per second: every source from 4 kHz to
// 384 kHz moved by a fit's 48 semitones either way (a sixteenth to sixteen times its rate) lies
// inside. The work grows with the frames converted, not with the ratio; a rate beyond these is a
// header's claim rather than a recording.
constexpr double cleanLowestRate = 250.0;
constexpr double cleanHighestRate = 8000000.0;

// The sample as one channel at the device rate, band-limited to what that rate can hold, in 8-bit
// steps before rounding (full scale is -128 to 128). Channels are mixed as the classic conversion
// mixes them. At most maxFrames frames; empty for a sample without frames, with a rate outside
// the range above, or when the resampler fails.
std::vector<double> resampleClean(const PcmFrames& in, double deviceRate, std::size_t maxFrames);

// One channel of steps at sourceRate (which a pitch may have moved) resampled to the device rate
// with a filter of the given phase; at most maxFrames frames, empty where resampleClean would be.
// The frames steps holds are read a block at a time, as the resampler takes them, so that a long
// region is never held whole.
std::vector<double> resampleSteps(std::uint64_t frames, const StepsReader& steps, double sourceRate, double deviceRate,
                                  FilterPhase phase, std::size_t maxFrames);

} // namespace audio
