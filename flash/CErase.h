#pragma once

#include "flash/CEvent.h"

// Clears one 64 KiB flash block (0 to 63; the number is cut to 6 bits).
class CErase : public CEvent {
public:
    CErase(unsigned block, std::uint64_t offset);
    ~CErase() override;

    void print(std::ostream& out, bool dumpData) const override;
};
