#include "flash/FlashAddress.h"

namespace flash {

namespace {

constexpr std::uint8_t kManufacturer = 0x31;
constexpr std::uint8_t kWriteCommand = 0x38;
constexpr std::uint8_t kEraseCommand = 0x79;
constexpr std::uint8_t kEraseMarker = 0x0D;
constexpr std::uint8_t kBlockBits = 0x3F;

bool isDeviceMessage(std::span<const std::uint8_t> message)
{
    return message.size() > 4 && message[0] == 0xF0 && message[1] == kManufacturer;
}

} // namespace

std::optional<unsigned> writtenBlock(std::span<const std::uint8_t> message)
{
    if (!isDeviceMessage(message) || (message[2] & 0xC0) != 0x40 || message[3] != kWriteCommand
        || (message[4] & 0xF0) != 0x20)
        return std::nullopt;
    return message[2] & kBlockBits;
}

std::optional<unsigned> erasedBlock(std::span<const std::uint8_t> message)
{
    if (!isDeviceMessage(message) || message[2] != kEraseMarker || message[3] != kEraseCommand)
        return std::nullopt;
    return message[4] & kBlockBits;
}

} // namespace flash
