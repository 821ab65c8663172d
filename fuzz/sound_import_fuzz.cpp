// Arbitrary bytes as a sound file imported into the largest sample slot: no crash, no hang, no
// allocation past what the file could hold, and a slot that keeps its length.
#include "FuzzInputFile.h"
#include "audio/ZQAudioFileReader.h"
#include "audio/slot_import.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzInputFile file("zylox-fuzz-sound-");
    const std::string& path = file.write(data, size);
    {
        const ZQAudioFileReader probe(path);
        (void)probe.isPcmFile();
    }
    std::vector<std::uint8_t> slot(32768, 0x11);
    const bool imported = static_cast<bool>(audio::importSlot(path.c_str(), slot));
    if (slot.size() != 32768 || slot.front() != (imported ? 0x80 : 0x11)) {
        std::abort();
    }
    return 0;
}
