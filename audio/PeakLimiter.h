#pragma once

#include <span>

namespace audio {

// Holds a sound's peaks under a ceiling (in 8-bit steps) so that gain or normalising can lift its
// body: one spike of a drum hit no longer keeps the rest of it near the 8-bit floor. The gain drops
// at once to what a peak needs (no sample passes the ceiling) and recovers within about 50 ms.
void limitPeaks(std::span<double> steps, double ceiling, double samplerate);

} // namespace audio
