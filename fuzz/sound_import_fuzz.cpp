// Arbitrary bytes as a sound file imported into the largest sample slot, raw bytes allowed or not,
// by the classic conversion and by the clean one with normalise and trim: no crash, no hang, no
// allocation past what the file could hold, and a slot that keeps its length and changes only when
// the import says so.
#include "audio/slot_import.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> source(data, size);
    const audio::ImportOptions choices[] = {
        {.raw = false},
        {.raw = true},
        {.raw = false, .resampling = audio::Resampling::Clean, .normalize = true, .trim = true},
        // Every step of a shape at once, and values no user interface lets through.
        {.resampling = audio::Resampling::Clean,
         .normalize = true,
         .trim = true,
         .start = 0.001,
         .end = 0.5,
         .mono = audio::MonoSource::Side,
         .reverse = true,
         .trimThreshold = -30.0,
         .removeDc = true,
         .gain = 12.0,
         .limit = -3.0,
         .pitch = 7.5,
         .phase = audio::FilterPhase::Minimum,
         .fadeIn = 3.0,
         .fadeOut = 5.0,
         .dither = audio::Dither::Shaped},
        {.start = -1.0, .end = std::nan(""), .gain = 1e300, .fit = true, .fadeIn = -5.0, .fadeOut = 1e9},
    };
    for (const audio::ImportOptions& options : choices) {
        std::vector<std::uint8_t> slot(32768, 0x11);
        const bool imported = static_cast<bool>(audio::importSlot(source, options, slot));
        if (slot.size() != 32768 || slot.front() != (imported ? 0x80 : 0x11)) {
            std::abort();
        }
    }
    return 0;
}
