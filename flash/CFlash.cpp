#include "flash/CFlash.h"

#include "content/CContent.h"

#include <ostream>

CFlash::CFlash(std::unique_ptr<CContent> message, std::uint64_t offset)
    : CEvent(message.release(), offset)
    , m_referenz(false)
{
}

CFlash::CFlash(CContent& message, std::uint64_t offset)
    : CEvent(&message, offset)
    , m_referenz(true)
{
}

CFlash::~CFlash()
{
    if (!m_referenz)
        delete m_message;
}

void CFlash::print(std::ostream& out, bool dumpData) const
{
    out << "CFlash <" << static_cast<const void*>(this) << ">:\n";
    out << "m_referenz: " << (m_referenz ? "true" : "false") << "\n";
    CEvent::print(out, dumpData);
}
