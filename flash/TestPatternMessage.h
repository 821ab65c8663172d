#pragma once

#include "flash/CEvent.h"

// Carries the device's fixed test pattern; sent without a pause and never part of a dump.
class TestPatternMessage : public CEvent {
public:
    TestPatternMessage();
    ~TestPatternMessage() override;

    void print(std::ostream& out, bool dumpData) const override;
};
