#include "audio/slot_import.h"

namespace audio {

// Placeholder until the sound file reader lands: refuses every file, leaving the slot unchanged.
bool importSlot(const char*, std::vector<std::uint8_t>&)
{
    return false;
}

} // namespace audio
