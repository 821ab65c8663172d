#include "flash/TestPatternMessage.h"

#include "content/SysexMessage.h"

#include <ostream>
#include <vector>

namespace {

// Each of the 128 values 0x00 to 0x7F repeated over 1,024 bytes.
constexpr unsigned kPatternRunShift = 10;

SysexMessage* testMessage()
{
    std::vector<std::uint8_t> bytes(SysexMessage::kFlashWriteLength, 0x00);
    bytes.front() = 0xF0;
    bytes[1] = 0x31;
    for (std::size_t i = 0; i < SysexMessage::kFlashWriteDataLength; ++i)
        bytes[SysexMessage::kFlashWriteDataOffset + i] = static_cast<std::uint8_t>(i >> kPatternRunShift);
    bytes.back() = 0xF7;
    return new SysexMessage(bytes.data(), bytes.size());
}

} // namespace

TestPatternMessage::TestPatternMessage()
    : FlashEvent(testMessage(), 0)
{
}

TestPatternMessage::~TestPatternMessage()
{
    delete m_message;
}

void TestPatternMessage::print(std::ostream& out, bool dumpData) const
{
    out << "CTest <" << static_cast<const void*>(this) << ">:\n";
    FlashEvent::print(out, dumpData);
}
