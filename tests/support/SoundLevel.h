#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Loudness measurements shared by the conversion tests and the import benchmark: how much of a
// sound file's level a conversion to device samples keeps.
namespace sound_level {

// RMS of the file's frames (channels averaged, as every conversion mixes them), full scale 1.0;
// 0 for a file our reader does not take.
double ofFile(const std::string& path);

// RMS of 8-bit unsigned device samples without `edge` bytes at either end, where a slot holds its
// silent first byte and its fade; full scale 1.0.
double ofDeviceBytes(const std::vector<std::uint8_t>& bytes, std::size_t edge);

// The level of the converted sound against the source's, in dB.
double changeInDecibels(double source, double converted);

} // namespace sound_level
