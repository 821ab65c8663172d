#pragma once

#include "audio/ImportResult.h"

#include <string>

// The advice for a silent or late slot, or a region that holds nothing, in zylox's words: the
// options that would help, as the user types them.
class AdviceWords {
public:
    // The warning for a slot that came out silent or starts late, without "zylox: ": "the slot is
    // silent: the next sound starts at 10.000 s; --start 10.000 or --trim"; empty when it sounds
    // from its start.
    static std::string warning(const audio::ImportResult& result);
    // Why a region gave nothing to import: "--start 70 is past the end of the 60.0 s file"; empty
    // for a refusal the advice does not explain.
    static std::string refusal(const audio::ImportResult& refused);
};
