#include "flash/FlashErase.h"

#include "content/SysexMessage.h"

#include <array>
#include <ostream>

namespace {

SysexMessage* eraseMessage(unsigned block)
{
    std::array<std::uint8_t, 6> bytes{0xF0, 0x31, 0x0D, 0x79, 0x00, 0xF7};
    bytes[4] |= static_cast<std::uint8_t>(block & 0x3F);
    return new SysexMessage(bytes.data(), bytes.size());
}

} // namespace

FlashErase::FlashErase(unsigned block, std::uint64_t offset)
    : FlashEvent(eraseMessage(block), offset)
{
}

FlashErase::~FlashErase()
{
    delete m_message;
}

void FlashErase::print(std::ostream& out, bool dumpData) const
{
    out << "CErase <" << static_cast<const void*>(this) << ">:\n";
    FlashEvent::print(out, dumpData);
}
