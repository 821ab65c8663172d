#include "content/CMessage.h"
#include "flash/CErase.h"
#include "flash/CFlash.h"
#include "flash/CTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string addressOf(const void* object)
{
    std::ostringstream text;
    text << object;
    return text.str();
}

TEST(EraseEvent, MessageCarriesTheBlockCutToSixBits)
{
    EXPECT_EQ(CErase(0, 3).getData(), (Bytes{0xF0, 0x31, 0x0D, 0x79, 0x00, 0xF7}));
    EXPECT_EQ(CErase(61, 3).getData(), (Bytes{0xF0, 0x31, 0x0D, 0x79, 0x3D, 0xF7}));
    EXPECT_EQ(CErase(64, 3).getData(), CErase(0, 3).getData());
    EXPECT_EQ(CErase(63, 3).getData()[4], 0x3F);

    const CErase erase(5, 3);
    EXPECT_EQ(erase.getOffset(), 3u);
    EXPECT_EQ(erase.getSize(), 6u);
    ASSERT_NE(erase.getMessage(), nullptr);
    EXPECT_FALSE(erase.getMessage()->isSample());
}

TEST(TestEvent, PatternOfRunsOf1024Bytes)
{
    const CTest test;
    const Bytes& data = test.getData();
    ASSERT_EQ(data.size(), 131078u);
    EXPECT_EQ(test.getOffset(), 0u);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 5), (Bytes{0xF0, 0x31, 0x00, 0x00, 0x00}));
    for (std::size_t i = 5; i <= 1028; ++i)
        ASSERT_EQ(data[i], 0x00) << i;
    EXPECT_EQ(data[1029], 0x01);
    EXPECT_EQ(data[1029 + 1024], 0x02);
    EXPECT_EQ(data[131076], 0x7F);
    EXPECT_EQ(data[131077], 0xF7);
}

TEST(FlashEvent, OwnsATakenMessageAndOnlyRefersToAnother)
{
    const Bytes bytes{0xF0, 0x31, 0x7F, 0x38, 0x10, 0xF7};
    CMessage owned(bytes.data(), bytes.size());
    {
        const CFlash referring(owned, 6);
        EXPECT_EQ(referring.getMessage(), &owned);
        EXPECT_EQ(referring.getOffset(), 6u);
        // The event sees later changes to the message it refers to.
        owned.getData()[2] = 0x40;
        EXPECT_EQ(referring.getData()[2], 0x40);
    }
    // Still ours after the event is gone (AddressSanitizer reports a deletion).
    EXPECT_EQ(owned.getSize(), 6u);

    auto taken = std::make_unique<CMessage>(bytes.data(), bytes.size());
    const CContent* raw = taken.get();
    const CFlash owning(std::move(taken), 6);
    EXPECT_EQ(owning.getMessage(), raw);
    EXPECT_EQ(owning.getSize(), 6u);
}

TEST(EventPrint, HeaderFieldsAndMessage)
{
    const CErase erase(2, 3);
    std::ostringstream out;
    out << std::hex;
    erase.print(out, false);
    const CContent* message = erase.getMessage();
    EXPECT_EQ(out.str(), "CErase <" + addressOf(&erase) + ">:\nm_offset: 3\nm_message: CMessage <" +
                             addressOf(message) + ">:\nm_data: $" + addressOf(message->getData().data()) +
                             "\tsize: 6\n");
    EXPECT_TRUE(out.flags() & std::ios_base::hex);

    std::ostringstream dumped;
    erase.print(dumped, true);
    EXPECT_TRUE(dumped.str().ends_with("\tsize: 6\n00000: f0 31 0d 79 02 f7\n"));

    const Bytes bytes{0xF0, 0xF7};
    CMessage firmware(bytes.data(), bytes.size());
    const CFlash referring(firmware, 6);
    std::ostringstream flash;
    referring.print(flash, false);
    EXPECT_TRUE(flash.str().starts_with("CFlash <" + addressOf(&referring) + ">:\nm_referenz: true\nm_offset: 6\n"
                                        "m_message: CMessage <" + addressOf(&firmware) + ">:\n"))
        << flash.str();

    const CFlash empty(std::unique_ptr<CContent>(), 6);
    std::ostringstream none;
    empty.print(none, true);
    EXPECT_EQ(none.str(), "CFlash <" + addressOf(&empty) + ">:\nm_referenz: false\nm_offset: 6\nm_message: 0x00000000\n");

    const CTest test;
    std::ostringstream pattern;
    test.print(pattern, false);
    EXPECT_TRUE(pattern.str().starts_with("CTest <" + addressOf(&test) + ">:\nm_offset: 0\n"));
}

} // namespace
