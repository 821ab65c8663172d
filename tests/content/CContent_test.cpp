#include "content/CMessage.h"
#include "content/CSample.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

namespace {

std::string addressOf(const void* object)
{
    std::ostringstream text;
    text << object;
    return text.str();
}

std::vector<std::uint8_t> counting(std::size_t length)
{
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(i);
    return bytes;
}

TEST(ContentPrint, HeaderAndDataLineWithoutDump)
{
    const std::vector<std::uint8_t> bytes = counting(6);
    CSample sample(bytes.data(), bytes.size());
    CMessage message(bytes.data(), bytes.size());

    std::ostringstream out;
    sample.print(out, false);
    EXPECT_EQ(out.str(), "CSample <" + addressOf(&sample) + ">:\nm_data: $" +
                             addressOf(sample.getData().data()) + "\tsize: 6\n");

    out.str("");
    message.print(out, false);
    EXPECT_EQ(out.str(), "CMessage <" + addressOf(&message) + ">:\nm_data: $" +
                             addressOf(message.getData().data()) + "\tsize: 6\n");
}

TEST(ContentPrint, HexDumpSixteenBytesToALine)
{
    const std::vector<std::uint8_t> seventeen = counting(17);
    const std::vector<std::uint8_t> sixteen{0x00, 0x0a, 0xff, 0x80, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0xF7};
    CMessage longer(seventeen.data(), seventeen.size());
    CMessage exact(sixteen.data(), sixteen.size());

    std::ostringstream out;
    out << std::uppercase << std::showbase;
    const std::ios_base::fmtflags before = out.flags();
    longer.print(out, true);
    EXPECT_EQ(out.flags(), before);
    const std::string text = out.str();
    EXPECT_TRUE(text.ends_with("\tsize: 17\n00000: 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f\n"
                               "00010: 10\n"))
        << text;

    std::ostringstream plain;
    exact.print(plain, true);
    EXPECT_TRUE(plain.str().ends_with("\tsize: 16\n00000: 00 0a ff 80 04 05 06 07 08 09 0a 0b 0c 0d 0e f7\n"))
        << plain.str();
}

TEST(ContentPrint, LargeOffsetsAndEmptyContent)
{
    const std::vector<std::uint8_t> bytes(0x10001, 0x7F);
    CSample big(bytes.data(), bytes.size());
    std::ostringstream out;
    big.print(out, true);
    EXPECT_TRUE(out.str().ends_with("\n0fff0: 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f 7f\n10000: 7f\n"));

    CSample empty(nullptr, 0);
    std::ostringstream none;
    empty.print(none, true);
    EXPECT_TRUE(none.str().ends_with("\tsize: 0\n")) << none.str();
}

TEST(ContentCopy, CloneKeepsClassAndBytesInItsOwnStorage)
{
    const std::vector<std::uint8_t> bytes{0x80, 0x81, 0x7F};
    CSample sample(bytes.data(), bytes.size());
    CMessage message(bytes.data(), bytes.size());

    const std::unique_ptr<CContent> sampleCopy(sample.clone());
    const std::unique_ptr<CContent> messageCopy(message.cloneOf(message));
    const std::unique_ptr<CContent> viaOther(message.cloneOf(sample));

    EXPECT_TRUE(sample.isSample());
    EXPECT_FALSE(message.isSample());
    EXPECT_TRUE(sampleCopy->isSample());
    EXPECT_FALSE(messageCopy->isSample());
    EXPECT_TRUE(viaOther->isSample()) << "cloneOf copies its argument, not the object it is called on";
    EXPECT_EQ(sampleCopy->getData(), bytes);
    EXPECT_EQ(messageCopy->getData(), bytes);

    sampleCopy->getData()[0] = 0x00;
    EXPECT_EQ(sample.getData(), bytes);
}

} // namespace
