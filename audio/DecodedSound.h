#pragma once

#include "audio/ImportResult.h"
#include "audio/KeptPeaks.h"
#include "audio/PcmFrames.h"
#include "audio/SourceRegion.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

class SourceReader;

namespace audio {

// A part of a sound file decoded once, so that a shape can be rendered from it again and again
// without reading or decoding the file anew. Times stay the file's: a shape's start of 600 s is
// the file's 600th second, wherever in the file the held part begins.
struct DecodedSound {
    PcmFrames frames; // the file's frames from firstFrame on, at its own rate, width and channels
    std::uint64_t firstFrame = 0; // the file's frame that frames starts with
    std::uint64_t wholeFrames = 0; // the whole sound as the file declares it, held or not
    // The file's sound ends before the length its header declares (wholeFrames is then what it
    // holds): it is damaged or cut short.
    bool cutShort = false;
    // Kind Sound when it decoded; else the refusal an import gives, unless it takes the file as raw
    // device bytes.
    ImportResult failure{};

    // Made on first asking and kept; the frames must not change after that.
    KeptPeaks keptPeaks{};

    explicit operator bool() const { return failure.kind == ImportResult::Kind::Sound; }
    // The seconds held.
    double seconds() const;
    // Where the sound lies in the frames, for the mono choice: searches that skip its silence.
    const SoundPeaks& peaks(MonoSource mono) const { return keptPeaks.of(frames, mono); }
    // The memory the sound takes: its frames and what was made of them and kept.
    std::size_t heldBytes() const { return frames.size() + keptPeaks.bytes(); }
    // The file's whole length in seconds, as far as it is known: at least up to what is held.
    double fileSeconds() const;
    // The file's frame one past the last one held.
    std::uint64_t heldEnd() const { return firstFrame + frames.frameCount(); }
    // The held frame nearest a time in the file's seconds, within what is held.
    std::uint64_t heldFrameAt(double seconds) const;
    // The time in the file's seconds of a held frame.
    double secondsAt(std::uint64_t heldFrame) const;
};

// A rate a sound can be converted from: a finite number of frames a second, at least one. A
// header may declare anything (an AIFF rate is an 80-bit float: negative, infinite, not a number).
bool usableRate(double samplerate);

// Which of the file's frames a decoder keeps of a sound at the given rate, whose frames take
// frameBytes each as decoded.
using FramesWanted = std::function<SourceRegion(double samplerate, std::uint64_t frameBytes)>;
// The frames from one time to another, in the file's seconds.
FramesWanted secondsWanted(double from, double to);

// Integer WAV or AIFF through our own reader, which reads the file's header and the wanted frames'
// bytes alone; every other sound format libsndfile decodes through it, seeking to the wanted frames
// where the file can be read at any offset, else decoding its way to them. At most maxDataBytes of
// sample data are held, however many frames are wanted. A stream holds no more than its first
// kStreamedBytes for libsndfile, which reads back and forth.
DecodedSound decodeSound(SourceReader& source, const FramesWanted& framesWanted, std::uint64_t maxDataBytes);
// The same of a whole file's bytes in memory.
DecodedSound decodeSound(std::span<const std::uint8_t> source, const FramesWanted& framesWanted,
                         std::uint64_t maxDataBytes);
// At most the first maxSeconds of a sound.
DecodedSound decodeSound(std::span<const std::uint8_t> source, double maxSeconds);

inline constexpr std::uint64_t kStreamedBytes = 128u << 20;

} // namespace audio
