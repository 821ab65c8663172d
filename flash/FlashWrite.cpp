#include "flash/FlashWrite.h"

#include "content/SlotContent.h"

#include <ostream>

FlashWrite::FlashWrite(std::unique_ptr<SlotContent> message, std::uint64_t offset)
    : FlashEvent(message.release(), offset)
    , m_referenz(false)
{
}

FlashWrite::FlashWrite(SlotContent& message, std::uint64_t offset)
    : FlashEvent(&message, offset)
    , m_referenz(true)
{
}

FlashWrite::~FlashWrite()
{
    if (!m_referenz)
        delete m_message;
}

void FlashWrite::print(std::ostream& out, bool dumpData) const
{
    out << "CFlash <" << static_cast<const void*>(this) << ">:\n";
    out << "m_referenz: " << (m_referenz ? "true" : "false") << "\n";
    FlashEvent::print(out, dumpData);
}
