#pragma once

#include "audio/StepsReader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace audio {

// Keeps one of every factor frames of a long run of steps, after a filter that leaves what a
// resampler to a far lower rate keeps: a rate change of 88 (a fit of 15 s at 192 kHz) makes the
// band-limited resampler read 3 million frames, at about 4 ns each whatever its quality; thinned
// first, it reads a tenth of them. The filter is three running means of factor frames each
// (centred, so the frames keep their time), exact in whole numbers of 2^-20 steps: wherever the
// rate after it is 8 times the target rate or more, it takes 71 dB or more off anything that would
// fold into the target's band, far below one 8-bit step, and lowers its top (15 kHz at the device
// rate) by 0.15 dB at most. Read in order only, from frame 0 on.
class StepsDecimator {
public:
    // The odd factor, 1 or more, that leaves a rate at least 8 times the target's; 1 where the rate
    // falls less than 24 times.
    static std::size_t factorFor(double sourceRate, double targetRate);

    StepsDecimator(std::uint64_t frames, StepsReader steps, std::size_t factor);

    // The frames it makes: those covering the source, and one the filter's tail reaches into.
    std::uint64_t frames() const { return m_frames; }
    // The next block.size() frames; first must be where the last read ended.
    void into(std::uint64_t first, std::span<double> block);

private:
    // Reads the next source frames into m_read (silence past the source's end).
    void readOn();
    // Adds source steps to the running sums, and puts each frame kept into kept until it is full;
    // how many it put.
    std::size_t sumAndKeep(std::span<const double> steps, std::span<double> kept);

    std::uint64_t m_sourceFrames;
    StepsReader m_steps;
    std::uint64_t m_factor;
    std::uint64_t m_frames;
    double m_scale; // from the sums' whole numbers back to steps
    std::uint64_t m_next = 0; // the next frame into makes
    std::uint64_t m_readFrom = 0; // the source frame m_read starts at
    std::size_t m_readUsed = 0; // of m_read, what the sums have taken
    std::uint64_t m_untilKept; // source frames the sums take before the next kept frame
    bool m_warming = true; // the next kept frame is the one before frame 0, which primes the differences
    std::array<std::uint64_t, 3> m_sums{}; // the running sums, modulo 2^64
    std::array<std::uint64_t, 3> m_previous{}; // the differences' last inputs
    std::vector<double> m_read; // source steps read, a block at a time
};

} // namespace audio
