#pragma once

#include <cstdint>
#include <vector>

namespace audio {

// A canonical PCM WAV file holding device bytes as they are: mono, 8-bit unsigned, 33,000 Hz.
std::vector<std::uint8_t> deviceWave(const std::vector<std::uint8_t>& samples);

} // namespace audio
