#pragma once

#include "flash/FlashEvent.h"

// Carries the device's fixed test pattern; sent without a pause and never part of a dump.
class TestPatternMessage : public FlashEvent {
public:
    TestPatternMessage();
    ~TestPatternMessage() override;

    void print(std::ostream& out, bool dumpData) const override;
};
