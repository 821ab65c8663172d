#pragma once

#include "audio/DecodedSound.h"

#include <cstdint>
#include <memory>
#include <span>

// A slot's own bytes as a source, 8-bit mono at the device's rate: what a slot without a file kept
// is shaped from; the default shape gives them back byte for byte.
std::shared_ptr<const audio::DecodedSound> slotBytesSound(std::span<const std::uint8_t> bytes);
