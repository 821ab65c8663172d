#pragma once

#include "flash/FlashEvent.h"

// Clears one 64 KiB flash block (0 to 63; the number is cut to 6 bits).
class FlashErase : public FlashEvent {
public:
    FlashErase(unsigned block, std::uint64_t offset);
    ~FlashErase() override;

    void print(std::ostream& out, bool dumpData) const override;
};
