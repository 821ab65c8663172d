#pragma once

#include "audio/ImportResult.h"
#include "bytes/Text.h"

namespace audio {

// What is wrong with a silent or late slot, as both programs say it before their own remedy (zylox
// names its options, the window its controls): "the next sound starts at 10.000 s", "the hit
// starts at 0.40 s of 0.74 s". Empty where the programs word the slot each their own way (its
// only sound on the first byte, a quiet peak) and for a slot that sounds from its start.
Text adviceFact(const ImportResult& result);

} // namespace audio
