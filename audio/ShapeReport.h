#pragma once

#include <cstdint>
#include <limits>
#include <span>

namespace audio {

// What a shaped slot came out as, so the user hears of a silent or clipped result before it goes to
// the device.
struct ShapeReport {
    // A slot whose peak stays below this is silent or nearly so: two steps of 8 bits.
    static constexpr double quietestSound = -36.0;

    // The report on a slot's bytes: their peak, and whether that is silence. Every level of a slot
    // that the user reads comes from here, so the panel, the report and the screen reader agree.
    static ShapeReport of(std::span<const std::uint8_t> slot, bool clipped = false);
    // A distance in steps of 8 bits from the device's silence (0 to 128) as dBFS; none is minus
    // infinity.
    static double decibelsOf(int steps);
    // The same of a distance between whole steps, for a source's peak measured finer than 8 bits.
    static double decibelsOf(double steps);

    double peakDecibels = -std::numeric_limits<double>::infinity(); // of the slot's sound, dBFS
    bool clipped = false; // gain pushed the sound past full scale, so its peaks were cut flat
    bool silent = true; // the peak is below quietestSound
};

} // namespace audio
