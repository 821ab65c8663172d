// Arbitrary bytes as a System Exclusive file loaded into a firmware slot: either a whole message
// from 0xF0 to 0xF7 or no change at all.
#include "FuzzInputFile.h"
#include "content/CMessage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FuzzInputFile file("zylox-fuzz-sysex-");
    const std::string& path = file.write(data, size);
    const std::vector<std::uint8_t> before = {0xF0, 0x7D, 0x01, 0xF7};
    CMessage message(before.data(), before.size());
    const bool loaded = static_cast<bool>(message.load(path.c_str()));
    const std::vector<std::uint8_t>& after = message.getData();
    const bool whole = after.size() >= 2 && after.front() == 0xF0 && after.back() == 0xF7;
    if (loaded ? !whole : after != before) {
        std::abort();
    }
    return 0;
}
