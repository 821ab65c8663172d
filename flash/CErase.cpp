#include "flash/CErase.h"

#include "content/CMessage.h"

#include <array>
#include <ostream>

namespace {

CMessage* eraseMessage(unsigned block)
{
    std::array<std::uint8_t, 6> bytes{0xF0, 0x31, 0x0D, 0x79, 0x00, 0xF7};
    bytes[4] |= static_cast<std::uint8_t>(block & 0x3F);
    return new CMessage(bytes.data(), bytes.size());
}

} // namespace

CErase::CErase(unsigned block, std::uint64_t offset)
    : CEvent(eraseMessage(block), offset)
{
}

CErase::~CErase()
{
    delete m_message;
}

void CErase::print(std::ostream& out, bool dumpData) const
{
    out << "CErase <" << static_cast<const void*>(this) << ">:\n";
    CEvent::print(out, dumpData);
}
