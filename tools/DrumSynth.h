#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Synthesises the factory drum sounds of one sound bank in the device sample format (8-bit
// unsigned, 0x80 the zero line, 33,000 samples per second). The bank number sets the kit's pitch,
// decay and brightness, so every bank sounds different; the same number always gives the same bytes.
class DrumSynth {
public:
    explicit DrumSynth(unsigned bank);

    std::vector<std::uint8_t> openHiHat(std::size_t length);
    std::vector<std::uint8_t> closedHiHat(std::size_t length);
    std::vector<std::uint8_t> clap(std::size_t length);
    std::vector<std::uint8_t> rimShot(std::size_t length);
    std::vector<std::uint8_t> crash(std::size_t length);
    std::vector<std::uint8_t> ride(std::size_t length);

private:
    // Uniform white noise in [-1, 1], from a fixed-seed generator.
    double noise();
    // Six detuned square waves: the metallic core of hats and cymbals. spread scales the cluster.
    std::vector<double> metalCluster(std::size_t length, double spread);
    // Scales to the given peak (below full scale, so nothing clips), fades the tail to silence and
    // rounds to device bytes; the first byte is always the zero line.
    static std::vector<std::uint8_t> toDeviceBytes(std::vector<double> sound, double peak);

    double m_pitch; // frequency factor, about 0.8 to 1.3
    double m_decay; // decay time factor, about 0.7 to 1.4
    double m_brightness; // 0 (dark) to 1 (bright)
    std::uint64_t m_noiseState;
};
