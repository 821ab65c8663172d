#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Measurements shared by the conversion tests and the import benchmark: how much of a sound file's
// level a conversion to device samples keeps, and how alike two conversions are.
namespace sound_level {

// RMS of the file's frames (channels averaged, as every conversion mixes them), full scale 1.0;
// 0 for a file our reader does not take.
double ofFile(const std::string& path);

// RMS of 8-bit unsigned device samples without `edge` bytes at either end, where a slot holds its
// silent first byte and its fade; full scale 1.0.
double ofDeviceBytes(const std::vector<std::uint8_t>& bytes, std::size_t edge);

// The level of the converted sound against the source's, in dB.
double changeInDecibels(double source, double converted);

// Pearson's correlation of a run of device bytes, from its byte at lag on, with the start of another.
double correlation(const std::vector<std::uint8_t>& delayed, const std::vector<std::uint8_t>& other,
                   std::size_t lag = 0);

} // namespace sound_level
