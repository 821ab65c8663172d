#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The fixed counts, lengths and names from which the factory banks are built.
namespace factory {

inline constexpr std::uint16_t kSoundSlotCount = 6;
inline constexpr std::uint16_t kFirmwareContentCount = 2;
// Sound banks have indices 0 to 30; the firmware bank has this index.
inline constexpr std::uint16_t kSoundBankCount = 31;
inline constexpr std::uint16_t kBankCount = kSoundBankCount + 1;

// The zero line of the device sample format.
inline constexpr std::uint8_t kSilence = 0x80;

// Sample bytes per slot of a sound bank; slots 0-3 fill one 64 KiB flash block, slots 4-5 the next.
inline constexpr std::array<std::uint16_t, kSoundSlotCount> kSlotLength{0x6000, 0x2000, 0x6000, 0x2000, 0x8000, 0x8000};
// The first slot of the second flash block.
inline constexpr std::uint16_t kSecondBlockFirstSlot = 4;
// Sample bytes of one sound bank: its two flash blocks.
inline constexpr std::size_t kSoundImageLength = 0x20000;

// Bytes per chunk of the factory firmware data; each chunk holds one message and zero padding.
inline constexpr std::array<std::uint64_t, kFirmwareContentCount> kFirmwareChunkLength{0x20006, 0x20006};

// Slot labels of a sound bank ("OPEN HI HAT" ...); empty past the last slot.
const std::string& contentName(std::uint16_t slot);
// Slot labels of the firmware bank ("PRESETS", "OS"); empty past the last slot.
const std::string& firmwareContentName(std::uint16_t slot);
// Factory bank names by index, 0 to 31; empty past the last bank.
const std::string& bankName(std::uint16_t index);

} // namespace factory
