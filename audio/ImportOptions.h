#pragma once

namespace audio {

// What the user allowed an import into a slot to do beyond converting a WAV or AIFF sound.
struct ImportOptions {
    // A file of no known sound format goes into a sample slot as raw device bytes.
    bool raw = false;
};

} // namespace audio
