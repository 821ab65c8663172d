// Arbitrary bytes as a System Exclusive file loaded into a firmware slot's message: either a whole
// message from 0xF0 to 0xF7 with 7-bit data bytes between (whether its length suits a slot is the
// bank's to say), or no change at all.
#include "content/SysexMessage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> before = {0xF0, 0x7D, 0x01, 0xF7};
    SysexMessage message(before.data(), before.size());
    const bool loaded = static_cast<bool>(message.load({data, size}, {}));
    const std::vector<std::uint8_t>& after = message.getData();
    if (loaded ? !SysexMessage::isSystemExclusive(after) || after.size() > size : after != before) {
        std::abort();
    }
    return 0;
}
