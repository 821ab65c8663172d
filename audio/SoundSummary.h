#pragma once

#include <cstdint>
#include <string>

namespace audio {

// What a sound file holds as its header tells it, without decoding its sound: what a list of many
// files shows of each.
struct SoundSummary {
    enum class Kind {
        Sound, // frames, rate and channels say what it holds
        NotASound, // no decoder takes it (another kind of file, or a sound damaged past its header)
        Unreadable, // gone, a folder, or not readable
    };

    Kind kind = Kind::Unreadable;
    std::uint64_t frames = 0; // the whole sound's, as far as the file holds it (0: not known)
    double rate = 0.0; // frames per second
    unsigned channels = 0;

    double seconds() const { return rate > 0.0 ? static_cast<double>(frames) / rate : 0.0; }
};

// Reads no more of the file than its header and what the decoder needs to find the length: a few
// kilobytes of a WAV or AIFF file whatever its size. Never waits on a FIFO or a device.
SoundSummary summariseSoundFile(const std::string& path);

} // namespace audio
