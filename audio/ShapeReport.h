#pragma once

#include <limits>

namespace audio {

// What a shaped slot came out as, so the user hears of a silent or clipped result before it goes to
// the device.
struct ShapeReport {
    // A slot whose peak stays below this is silent or nearly so: two steps of 8 bits.
    static constexpr double quietestSound = -36.0;

    double peakDecibels = -std::numeric_limits<double>::infinity(); // of the slot's sound, dBFS
    bool clipped = false; // gain pushed the sound past full scale, so its peaks were cut flat
    bool silent = true; // the peak is below quietestSound
};

} // namespace audio
