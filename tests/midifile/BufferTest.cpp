#include "midifile/buffer.h"
#include "midifile/event.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace {

TEST(EventDescription, ThroughTheBaseNamesTheEventAndItsOffset)
{
    // Described and destroyed through the base: AddressSanitizer shows a missing virtual destructor.
    const std::unique_ptr<buffer> event = std::make_unique<midi::event>(4096, 0x55);
    std::ostringstream address;
    address << event.get();
    EXPECT_EQ(event->toString(), "midi::event < " + address.str() + " >\nm_offset: 0 ");
}

} // namespace
