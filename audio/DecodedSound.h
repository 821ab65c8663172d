#pragma once

#include "audio/ImportResult.h"
#include "audio/KeptPeaks.h"
#include "audio/sample.h"

#include <cstdint>
#include <functional>
#include <span>

namespace audio {

// A sound file decoded once, so that a shape can be rendered from it again and again without
// reading or decoding the file anew.
struct DecodedSound {
    sample frames; // from the file's start, at its own rate, width and channels
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
    double seconds() const;
    // Where the sound lies in the frames, for the mono choice: searches that skip its silence.
    const SoundPeaks& peaks(MonoSource mono) const { return keptPeaks.of(frames, mono); }
};

// A rate a sound can be converted from: a finite number of frames a second, at least one. A
// header may declare anything (an AIFF rate is an 80-bit float: negative, infinite, not a number).
bool usableRate(double samplerate);

// How many frames from the start a decoder keeps of a sound at the given rate.
using FramesWanted = std::function<std::uint64_t(double samplerate)>;

// Integer WAV or AIFF through our own reader (at most maxDataBytes of sample data), every other
// sound format libsndfile decodes through it. fileSize is the whole file's where source holds only
// its first bytes (0: source is the whole file), so the sound's whole length is known all the same.
DecodedSound decodeSound(std::span<const std::uint8_t> source, const FramesWanted& framesWanted,
                         std::uint64_t maxDataBytes, std::uint64_t fileSize = 0);

// How many of a file's first bytes decodeSound uses with these arguments, from the file's first
// bytes (head); all of them (SIZE_MAX) unless it is a WAV file whose sample data starts in head.
std::uint64_t bytesDecoded(std::span<const std::uint8_t> head, const FramesWanted& framesWanted,
                           std::uint64_t maxDataBytes);

// At most the first maxSeconds of a sound (the editor keeps up to a minute of each source).
DecodedSound decodeSound(std::span<const std::uint8_t> source, double maxSeconds);

} // namespace audio
