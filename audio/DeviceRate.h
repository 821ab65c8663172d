#pragma once

namespace audio {

// The device plays every slot at this many bytes a second (8-bit mono), so it turns byte counts into
// seconds and is the rate every import converts to.
inline constexpr double kDeviceRate = 33000.0;

} // namespace audio
