#include "midifile/MidiEvent.h"
#include "bytes/ByteBuffer.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace {

TEST(EventDescription, ThroughTheBaseNamesTheEventAndItsOffset)
{
    // Described and destroyed through the base: AddressSanitizer shows a missing virtual destructor.
    const std::unique_ptr<ByteBuffer> event = std::make_unique<midi::MidiEvent>(4096, 0x55);
    std::ostringstream address;
    address << event.get();
    EXPECT_EQ(event->toString(), "midi::event < " + address.str() + " >\nm_offset: 0 ");
}

} // namespace
