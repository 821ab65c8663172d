#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace audio {

// Puts the steps from a frame on into a block, as many as it holds.
using StepsReader = std::function<void(std::uint64_t first, std::span<double> block)>;

} // namespace audio
