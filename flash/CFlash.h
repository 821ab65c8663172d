#pragma once

#include "flash/CEvent.h"

#include <memory>

// Writes one flash block. The message is either the event's own (a flash write message built for
// a dump) or a firmware bank's content, which must then outlive the event.
class CFlash : public CEvent {
public:
    // Takes over the message.
    CFlash(std::unique_ptr<CContent> message, std::uint64_t offset);
    // Refers to a message owned elsewhere.
    CFlash(CContent& message, std::uint64_t offset);
    ~CFlash() override;

    void print(std::ostream& out, bool dumpData) const override;

private:
    bool m_referenz;
};
