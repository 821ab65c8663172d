#include "app/window/ProcessEnd.h"

#include "app/settings/Settings.h"
#include "playback/ISoundOutput.h"

#include <cstdio>
#include <cstdlib>

#include <malloc.h>

namespace {

// Blocks from this size on are mapped on their own, in bytes: above the slots' own bytes (at most
// 131,078) and the window's small allocations, below a second of any decoded source.
constexpr int kOwnPagesFrom = 256 * 1024;

} // namespace

void returnLargeBlocksWhenFreed()
{
    // A fixed threshold also stops the library from raising it after each large block freed.
    mallopt(M_MMAP_THRESHOLD, kOwnPagesFrom);
}

void endAtOnce(int status, ISoundOutput& sound, Settings& settings)
{
    sound.stop();
    settings.sync();
    std::fflush(nullptr);
    std::_Exit(status);
}
