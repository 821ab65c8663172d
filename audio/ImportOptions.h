#pragma once

namespace audio {

// How a sound file's samples become the slot's 8-bit samples at 33,000 per second.
enum class Resampling {
    Classic,  // linear interpolation without a low-pass filter, then truncation: what slots always held
    Clean,    // band-limited resampling, then rounding: high sounds do not fold down into the slot
};

// What the user allowed an import into a slot to do beyond converting a sound file, and how
// a sound is converted; the defaults give the classic import.
struct ImportOptions {
    // A file that no decoder takes goes into a sample slot as raw device bytes, even when its first
    // bytes look like a sound's.
    bool raw = false;
    Resampling resampling = Resampling::Classic;
    bool normalize = false;  // scale the sound so its peak reaches full scale
    bool trim = false;       // drop the silence before the sound starts

    // Whether the sound is changed beyond converting it, so even a slot's own image is reshaped.
    bool shapes() const { return normalize || trim; }
};

} // namespace audio
