#pragma once

#include "playback/PcmFormat.h"
#include "playback/PlaybackFailure.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A run of a source's frames as they are, before the source is shaped into a slot: signed 16-bit
// values, mono or stereo with the channels interleaved (left first), at the source's own rate.
struct PcmRun {
    // Rates sound files are made at; anything outside is a corrupt header, not a sound.
    static constexpr unsigned kLowestRate = 1000;
    static constexpr unsigned kHighestRate = 768000;

    std::vector<std::int16_t> samples;
    unsigned rate = 0;
    unsigned channels = 0;

    // Whole frames only.
    std::size_t frames() const;
    PcmFormat format() const;
    // None when the run can be played; otherwise why not.
    PlaybackFailure refusal() const;
};
