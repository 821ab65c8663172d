#pragma once

#include "flash/FlashEvent.h"

#include <memory>

// Writes one flash block. The message is either the event's own (a flash write message built for
// a dump) or a firmware bank's content, which must then outlive the event.
class FlashWrite : public FlashEvent {
public:
    // Takes over the message.
    FlashWrite(std::unique_ptr<SlotContent> message, std::uint64_t offset);
    // Refers to a message owned elsewhere.
    FlashWrite(SlotContent& message, std::uint64_t offset);
    ~FlashWrite() override;

    void print(std::ostream& out, bool dumpData) const override;

private:
    bool m_referenz;
};
