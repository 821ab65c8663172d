#pragma once

#include "bytes/Text.h"

#include <cstdint>
#include <optional>
#include <span>

namespace soundlibrary {

// A slot's loudness as the device plays it: its 8-bit bytes at 33,000 a second, measured by EBU
// R128 through LoudnessMeter, from its first sounding byte to its last. The figure is the integrated loudness: its 400
// ms blocks are about as long as a slot (0.25 to 0.99 s), so it tells how loud the hit sounds while it sounds, where
// the short-term figure's 3 s window, longer than any slot, would mostly tell how long the sound lasts. It is also the
// figure the library lists for its files.
class SlotLoudness {
public:
    // LUFS; none for a slot that is silent (its peak below two steps, as the window calls it) or
    // without libebur128 (LoudnessMeter::available tells which).
    static std::optional<double> of(std::span<const std::uint8_t> slot);

    // "-18.3 LUFS", or "silent" for none.
    static Text text(std::optional<double> loudness);
    // Why no slot can be measured: "libebur128.so.1, which measures loudness, is not installed".
    static Text missingLibraryText();
};

} // namespace soundlibrary
