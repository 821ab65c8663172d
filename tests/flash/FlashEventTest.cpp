#include "content/DeviceSample.h"
#include "content/SysexMessage.h"
#include "flash/FlashErase.h"
#include "flash/FlashWrite.h"
#include "flash/TestPatternMessage.h"
#include "tests/support/Bytes.h"
#include "tests/support/PrintedContent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

TEST(Events, PrintHeaderFieldsThenTheMessageAndTheTestPatternHasRunsOf1024Bytes)
{
    const FlashErase erase(2, 12);
    const Bytes bytes{0x00, 0x0a, 0xff, 0x80, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0xF7, 0x10};
    const FlashWrite owning(std::make_unique<DeviceSample>(bytes.data(), bytes.size()), 6);
    SysexMessage firmware(bytes.data(), 2);
    const FlashWrite referring(firmware, 6);
    const FlashWrite empty(std::unique_ptr<SlotContent>(), 6);
    const TestPatternMessage test;
    std::ostringstream out;
    out << std::hex;
    erase.print(out, false);
    EXPECT_TRUE(out.flags() & std::ios_base::hex);
    owning.print(out, true);
    referring.print(out, false);
    empty.print(out, true);
    test.print(out, false);
    EXPECT_EQ(out.str(),
              "CErase <" + addressOf(&erase) + ">:\nm_offset: 12\nm_message: "
                  + printedContent("CMessage", *erase.getMessage()) + "CFlash <" + addressOf(&owning)
                  + ">:\nm_referenz: false\nm_offset: 6\nm_message: " + printedContent("CSample", *owning.getMessage())
                  + "00000: 00 0a ff 80 04 05 06 07 08 09 0a 0b 0c 0d 0e f7\n00010: 10\nCFlash <"
                  + addressOf(&referring)
                  + ">:\nm_referenz: true\nm_offset: 6\nm_message: " + printedContent("CMessage", firmware) + "CFlash <"
                  + addressOf(&empty) + ">:\nm_referenz: false\nm_offset: 6\nm_message: 0x00000000\nCTest <"
                  + addressOf(&test) + ">:\nm_offset: 0\nm_message: " + printedContent("CMessage", *test.getMessage()));

    // The test message: each value 0x00 to 0x7F over a run of 1,024 bytes.
    const Bytes& pattern = test.getData();
    EXPECT_EQ(Bytes(pattern.begin(), pattern.begin() + 5), (Bytes{0xF0, 0x31, 0x00, 0x00, 0x00}));
    EXPECT_EQ(std::count(pattern.begin() + 5, pattern.begin() + 1029, 0x00), 1024);
    EXPECT_EQ(pattern[1029], 0x01);
    EXPECT_EQ(pattern[1029 + 1024], 0x02);
    EXPECT_EQ(Bytes(pattern.end() - 2, pattern.end()), (Bytes{0x7F, 0xF7}));
}

} // namespace
