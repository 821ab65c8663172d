#pragma once

#include "soundlibrary/LibraryEntry.h"

#include <optional>
#include <string>

namespace soundlibrary {

// What a sound file is, known before it is heard: what the library's list shows of it and what its
// filters and orders use. Made once per file (by its path, size and time) in the background.
struct SoundAnalysis {
    // The seconds of a sound that are measured: a drum sound lies far within them, and a long
    // recording's first half minute says what it is without decoding it whole.
    static constexpr double kMeasuredSeconds = 30.0;
    // The seconds after the sound starts in which its brightness is measured: the hit, not the room.
    static constexpr double kBrightnessSeconds = 2.0;
    // Which analysis this is: raised when it measures a figure otherwise, so that the rows an older
    // one filled are analysed again.
    static constexpr int kVersion = 1;

    LibraryEntry::Kind kind = LibraryEntry::Kind::Unreadable;
    double seconds = 0.0; // the whole sound, as its file declares it
    double rate = 0.0; // frames per second
    unsigned channels = 0;
    // Seconds before the first frame above the trim threshold (-48 dBFS) of the mixed channels; the
    // whole length for silence.
    double leadIn = 0.0;
    double peak = 0.0; // dBFS of the loudest channel (of the first two); minus infinity for silence
    std::optional<double> loudness; // LUFS, integrated; none without libebur128
    std::optional<double> loudestShortTerm; // LUFS
    std::optional<double> centroid; // Hz; none for silence

    // Reads and measures the file at path (bytes; need not be UTF-8). Never waits on a FIFO or device.
    static SoundAnalysis of(const std::string& path);
};

} // namespace soundlibrary
