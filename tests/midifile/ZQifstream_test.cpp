#include "midifile/ZQifstream.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class ZQifstreamTest : public ::testing::Test {
protected:
    std::string fileWith(const Bytes& bytes) { return m_folder.write("in-" + std::to_string(m_count++) + ".bin", bytes); }

    ScratchFolder m_folder{"zqifstream"};
    int m_count = 0;
};

TEST_F(ZQifstreamTest, IntegersInBothByteOrders)
{
    ZQifstream in(fileWith({0xAB, 0x12, 0x34, 0x12, 0x34, 1, 2, 3, 4, 1, 2, 3, 4}));
    EXPECT_EQ(in.readByte(), 0xAB);
    EXPECT_EQ(in.readUInt16(true), 0x1234);
    EXPECT_EQ(in.readUInt16(false), 0x3412);
    EXPECT_EQ(in.readUInt32(true), 0x01020304u);
    EXPECT_EQ(in.readUInt32(false), 0x04030201u);
    EXPECT_FALSE(in.fail());
    EXPECT_EQ(in.remaining(), 0u);
}

TEST_F(ZQifstreamTest, MissingBytesReadAsZeroAndFailTheStream)
{
    ZQifstream in(fileWith({0x12, 0x34, 0x56}));
    EXPECT_EQ(in.readUInt32(true), 0x12345600u);
    EXPECT_TRUE(in.fail());
    EXPECT_EQ(in.readByte(), 0);
    EXPECT_FALSE(in.skip(0));
    EXPECT_EQ(in.tell(), std::numeric_limits<std::uint64_t>::max());
    in.seek(0);
    EXPECT_EQ(in.readByte(), 0) << "a failed stream stays failed";

    ZQifstream little(fileWith({0x12}));
    EXPECT_EQ(little.readUInt16(false), 0x0012);
}

TEST_F(ZQifstreamTest, MissingFileDeliversNothing)
{
    ZQifstream in(m_folder.file("does-not-exist"));
    std::uint8_t byte = 0x55;
    EXPECT_EQ(in.readBytes(&byte, 1), 0u);
    EXPECT_EQ(byte, 0x55);
    EXPECT_EQ(in.readUInt32(true), 0u);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_FALSE(in.skip(1));
}

TEST_F(ZQifstreamTest, SkipPastTheEndFailsOnlyTheNextRead)
{
    ZQifstream in(fileWith({1, 2, 3, 4}));
    EXPECT_EQ(in.remaining(), 4u);
    EXPECT_TRUE(in.skip(2));
    EXPECT_EQ(in.tell(), 2u);
    EXPECT_EQ(in.remaining(), 2u);
    EXPECT_EQ(in.readByte(), 3);
    in.seek(0);
    EXPECT_EQ(in.readByte(), 1);
    EXPECT_TRUE(in.skip(1000));
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_EQ(in.readByte(), 0);
    EXPECT_FALSE(in.skip(1));
}

TEST_F(ZQifstreamTest, BufferReadsShortenToWhatArrived)
{
    ZQifstream in(fileWith({1, 2, 3, 4, 5}));
    buffer bytes(3);
    EXPECT_EQ(in.readBuffer(bytes), 3u);
    EXPECT_EQ(bytes, (buffer{1, 2, 3}));
    bytes.resize(10);
    EXPECT_EQ(in.readBuffer(bytes), 2u);
    EXPECT_EQ(bytes, (buffer{4, 5}));
    EXPECT_EQ(in.readBytes(nullptr, 4), 0u);
}

TEST_F(ZQifstreamTest, SwappedBufferKeepsWholeWords)
{
    const Bytes data{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE};
    struct Case {
        std::size_t width;
        bool swap;
        buffer expected;
    };
    const std::vector<Case> cases = {
        {2, true, {0x34, 0x12, 0x78, 0x56, 0xBC, 0x9A}},
        {3, true, {0x56, 0x34, 0x12, 0xBC, 0x9A, 0x78}},
        {3, false, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}},
        {1, true, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE}},
        {8, true, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE}},
    };
    for (const Case& c : cases) {
        ZQifstream in(fileWith(data));
        buffer bytes(data.size());
        EXPECT_EQ(in.readSwappedBuffer(bytes, c.width, c.swap), c.expected.size()) << c.width;
        EXPECT_EQ(bytes, c.expected) << c.width << (c.swap ? " swapped" : "");
    }
}

TEST_F(ZQifstreamTest, ExtendedSampleRates)
{
    ZQifstream in(fileWith({
        0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0, // 44100
        0x40, 0x0E, 0xBB, 0x80, 0, 0, 0, 0, 0, 0, // 48000
        0x40, 0x0D, 0xAC, 0x44, 0, 0, 0, 0, 0, 0, // 22050
        0xC0, 0x0D, 0x80, 0xE8, 0, 0, 0, 0, 0, 0, // -16500
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0x40, 0x0E, 0xAC, 0x44, // cut off
    }));
    EXPECT_EQ(in.readExtended(), 44100.0);
    EXPECT_EQ(in.readExtended(), 48000.0);
    EXPECT_EQ(in.readExtended(), 22050.0);
    EXPECT_EQ(in.readExtended(), -16500.0);
    EXPECT_EQ(in.readExtended(), 2.0);
    EXPECT_EQ(in.readExtended(), 44100.0);
    EXPECT_TRUE(in.fail());
}

TEST_F(ZQifstreamTest, VariableLengthQuantitiesOfAtMostFourBytes)
{
    ZQifstream in(fileWith({0x00, 0x7F, 0x81, 0x00, 0x88, 0x80, 0x05, 0xFF, 0xFF, 0xFF, 0x7F}));
    EXPECT_EQ(in.readVarLen(), 0u);
    EXPECT_EQ(in.readVarLen(), 127u);
    EXPECT_EQ(in.readVarLen(), 128u);
    EXPECT_EQ(in.readVarLen(), 131077u);
    EXPECT_EQ(in.readVarLen(), 0xFFFFFFFu);
    EXPECT_FALSE(in.fail());

    ZQifstream tooLong(fileWith({0x81, 0x80, 0x80, 0x80, 0x00, 0x42}));
    tooLong.readVarLen();
    EXPECT_TRUE(tooLong.fail());

    ZQifstream cutOff(fileWith({0x82, 0x81}));
    EXPECT_EQ(cutOff.readVarLen(), 0x101u);
    EXPECT_TRUE(cutOff.fail());
}

TEST_F(ZQifstreamTest, ScanForCountsThroughTheByteAndKeepsThePosition)
{
    Bytes data(10000, 0x11);
    data[1] = 0xF7;
    data[9000] = 0xF7;
    ZQifstream in(fileWith(data));
    EXPECT_EQ(in.scanFor(0xF7), 2u);
    EXPECT_EQ(in.tell(), 0u);
    in.seek(2);
    EXPECT_EQ(in.scanFor(0xF7), 8999u);
    EXPECT_EQ(in.tell(), 2u);
    in.seek(9001);
    EXPECT_EQ(in.scanFor(0xF7), 0u);
    EXPECT_TRUE(in.fail());
}

} // namespace
