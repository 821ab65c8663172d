#include "flash/FlashEvent.h"

#include "content/SlotContent.h"

#include <ostream>

FlashEvent::FlashEvent(SlotContent* message, std::uint64_t offset)
    : m_offset(offset)
    , m_message(message)
{
}

const std::vector<std::uint8_t>& FlashEvent::getData() const
{
    return m_message->getData();
}

std::size_t FlashEvent::getSize() const
{
    return m_message->getSize();
}

void FlashEvent::print(std::ostream& out, bool dumpData) const
{
    const std::ios_base::fmtflags flags = out.flags();
    out.flags(std::ios_base::dec);
    out << "m_offset: " << m_offset << "\n";
    out << "m_message: ";
    if (m_message != nullptr)
        m_message->print(out, dumpData);
    else
        out << "0x00000000\n";
    out.flags(flags);
}
