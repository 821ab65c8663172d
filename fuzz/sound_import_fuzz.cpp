// Arbitrary bytes as a sound file imported into the largest sample slot, raw bytes allowed or not,
// by the classic conversion and by the clean one with normalise and trim: no crash, no hang, no
// allocation past what the file could hold, and a slot that keeps its length and changes only when
// the import says so.
#include "audio/slot_import.h"

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
