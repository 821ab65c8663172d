#pragma once

#include <cstdint>
#include <optional>
#include <span>

// Which flash block a device message acts on, read from its header. A flash write is
// F0 31 (0x40 | block) 38 (0x20 | channel) ...; an erase F0 31 0D 79 block F7. The firmware's own
// messages carry no channel in byte 4 and address no block this way.
namespace flash {

std::optional<unsigned> writtenBlock(std::span<const std::uint8_t> message);
std::optional<unsigned> erasedBlock(std::span<const std::uint8_t> message);

} // namespace flash
