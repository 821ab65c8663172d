#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The factory sample and firmware data, compiled into the program; read-only for the whole run.
namespace factory {

// 31 sound bank images of 131,072 bytes, bank n at byte n * 131,072.
inline constexpr std::size_t kSampleDataLength = std::size_t{31} * 0x20000;
// Two chunks of 131,078 bytes: the "PRESETS" message, then the "OS" message, each zero-padded.
inline constexpr std::size_t kFirmwareDataLength = std::size_t{2} * 0x20006;

std::span<const std::uint8_t> sampleData();
std::span<const std::uint8_t> firmwareData();

} // namespace factory
