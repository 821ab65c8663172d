#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace soundlibrary {

// What the index holds of one file: a row of the library's list.
struct LibraryEntry {
    // What analysis found the file to be; Pending until it has looked.
    enum class Kind { Pending = 0, Sound = 1, NotASound = 2, Unreadable = 3 };

    std::string path; // bytes, to open the file by (need not be UTF-8)
    std::string folder; // UTF-8, from the library folder's own name on: "Drums/Claps"
    std::string name; // UTF-8; a byte that is not becomes U+FFFD
    bool utf8 = true; // the path is UTF-8, so name and folder are the file's own
    std::string format; // the name's ending in lower case: "wav"
    Kind kind = Kind::Pending;
    std::int64_t size = 0; // bytes
    // Known once analysed, of a sound only.
    std::optional<double> seconds; // the whole sound
    std::optional<double> rate; // frames per second
    std::optional<unsigned> channels;
    std::optional<double> leadIn; // seconds before the sound starts
    std::optional<double> peak; // dBFS of the loudest channel; minus infinity for silence
    // EBU R128, LUFS; none where libebur128 is not installed, minus infinity for silence.
    std::optional<double> loudness; // integrated
    std::optional<double> loudestShortTerm; // the highest short-term (3 s) loudness
    std::optional<double> centroid; // Hz: the centroid of its frequencies, how bright the sound is

    // The length after the lead-in: what a slot must hold of it.
    std::optional<double> soundSeconds() const
    {
        if (!seconds)
            return std::nullopt;
        return *seconds - leadIn.value_or(0.0);
    }
};

} // namespace soundlibrary
