#include "content/DeviceSample.h"
#include "content/SysexMessage.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <vector>

namespace {

TEST(ContentPrint, FiveHexDigitOffsetsNoDumpWhenEmptyAndTheCallersFlagsKept)
{
    const Bytes bytes(0x10001, 0x7F);
    const DeviceSample big(bytes.data(), bytes.size());
    std::ostringstream out;
    out << std::uppercase << std::showbase;
    const std::ios_base::fmtflags before = out.flags();
    big.print(out, true);
    EXPECT_EQ(out.flags(), before);
    EXPECT_TRUE(out.str().ends_with("\n0fff0: 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f\n10000: 7f\n"));
    SysexMessage(nullptr, 0).print(out, true);
    EXPECT_TRUE(out.str().ends_with("\tsize: 0\n"));
    const std::unique_ptr<SlotContent> copy(SysexMessage(nullptr, 0).cloneOf(big));
    EXPECT_TRUE(copy->isSample()) << "cloneOf copies its argument";
}

TEST(SysExImport, TakesTheFirstWholeMessageInTheDevicesFormOrWithoutAForeignIdentifierElseKeepsTheSlot)
{
    const Bytes original{0xF0, 0x31, 0x40, 0x38, 0x00, 0x11, 0xF7};
    // Whether a message suits a slot is the bank's to say: its length is no concern here.
    const Bytes long_ = deviceMessage(131079);
    // Each file with the message it leaves: the one taken, or the original kept.
    const std::pair<Bytes, Bytes> cases[] = {
        {{0x00, 0xF0, 0x7D, 0x01, 0x02, 0x10, 0x20, 0xF7, 0x33}, {0xF0, 0x10, 0x20, 0xF7}},
        // What export writes of a slot comes back unchanged.
        {{0xF0, 0x31, 0x7F, 0x38, 0x10, 0x01, 0xF7, 0xF0}, {0xF0, 0x31, 0x7F, 0x38, 0x10, 0x01, 0xF7}},
        {Bytes(long_.begin() + 1, long_.end()), original},
        {long_, long_},
        // A bank file is refused as one, though its erase message is a whole message.
        {{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0xF0, 0x31, 0x0D, 0x79, 0x08, 0xF7}, original},
        // Nothing left once the identifier is gone; a message that ends inside it.
        {{0xF0, 1, 2, 3, 0xF7, 0xF0, 1, 2, 3, 4, 0xF7}, original},
        {{0xF0, 0xF7, 0x01, 0x02, 0x05, 0xF7}, original},
        // Bytes of 0x80 and above between F0 and F7 (audio data, a second F0) make no message.
        {{0xF0, 0x31, 0x05, 0x90, 0x10, 0xF7}, original},
        {{0xF0, 0x31, 0xF0, 0x31, 0x01, 0xF7}, original},
        {{0xF0, 0x01, 0x02}, original},
        {{0x00, 0x01, 0xF7, 0x90}, original},
    };
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(
            ::testing::PrintToString(Bytes(file.begin(), file.begin() + std::min<std::size_t>(file.size(), 12))));
        SysexMessage message(original.data(), original.size());
        const audio::ImportResult result = message.load(file, {});
        EXPECT_EQ(static_cast<bool>(result), expected != original);
        if (!result) {
            EXPECT_EQ(result.refusal, file[0] == 'M' ? audio::ImportResult::Refusal::BankFile
                                                     : audio::ImportResult::Refusal::NoMessage);
        }
        EXPECT_EQ(message.getData(), expected);
    }
}

TEST(FlashWriteMessage, TopBitThenLowSevenBitsOfEachByteNeverPastItsEnd)
{
    // Block and channel cut to six and four bits; too short a run leaves the rest 0xF7.
    const Bytes values{0x80, 0xFF, 0x7F, 0x00};
    DeviceSample few(values.data(), values.size());
    const Bytes partial = SysexMessage(64 + 9, 16, std::vector<SlotContent*>{&few}).getData();
    ASSERT_EQ(partial.size(), 131078u);
    EXPECT_EQ(Bytes(partial.begin(), partial.begin() + 14),
              (Bytes{0xF0, 0x31, 0x49, 0x38, 0x20, 1, 0x00, 1, 0x7F, 0, 0x7F, 0, 0x00, 0xF7}));
    // Too long: one content larger than a block is cut where the data area ends.
    const Bytes block(0x18000, 0xFF);
    DeviceSample tooMany(block.data(), block.size());
    const Bytes cut = SysexMessage(3, 0, std::vector<SlotContent*>{&tooMany, &few}).getData();
    ASSERT_EQ(cut.size(), 131078u);
    EXPECT_EQ(Bytes(cut.end() - 3, cut.end()), (Bytes{0x01, 0x7F, 0xF7}));
}

} // namespace
