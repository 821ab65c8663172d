#include "midifile/ZQofstream.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ZQofstream, IntegersInBothByteOrders)
{
    ScratchFolder folder("zqofstream");
    const std::string path = folder.file("out.bin");
    {
        ZQofstream out(path);
        EXPECT_EQ(out.writeByte(0xAB), 1u);
        EXPECT_EQ(out.writeUInt16(0x1234, true), 2u);
        EXPECT_EQ(out.writeUInt16(0x1234, false), 2u);
        EXPECT_EQ(out.writeUInt32(0x01020304, true), 4u);
        EXPECT_EQ(out.writeUInt32(0x01020304, false), 4u);
        EXPECT_EQ(out.tell(), 13u);
    }
    EXPECT_EQ(ScratchFolder::read(path), (Bytes{0xAB, 0x12, 0x34, 0x34, 0x12, 1, 2, 3, 4, 4, 3, 2, 1}));
}

TEST(ZQofstream, VariableLengthQuantities)
{
    const std::vector<std::pair<std::uint64_t, Bytes>> cases = {
        {0, {0x00}},
        {127, {0x7F}},
        {128, {0x81, 0x00}},
        {289, {0x82, 0x21}},
        {2017, {0x8F, 0x61}},
        {131077, {0x88, 0x80, 0x05}},
        {0xFFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    ScratchFolder folder("zqofstream");
    for (const auto& [value, expected] : cases) {
        const std::string path = folder.file("varlen.bin");
        {
            ZQofstream out(path);
            EXPECT_EQ(out.writeVarLen(value), expected.size()) << value;
        }
        EXPECT_EQ(ScratchFolder::read(path), expected) << value;
    }
    const std::string path = folder.file("refused.bin");
    {
        ZQofstream out(path);
        EXPECT_EQ(out.writeVarLen(0x10000000), 0u);
    }
    EXPECT_TRUE(ScratchFolder::read(path).empty());
}

TEST(ZQofstream, BytesAndBuffers)
{
    ScratchFolder folder("zqofstream");
    const std::string path = folder.file("out.bin");
    const buffer bytes{1, 2, 3, 4};
    {
        ZQofstream out(path);
        EXPECT_EQ(out.writeBytes(nullptr, 3), 0u);
        EXPECT_EQ(out.writeBytes(bytes.data(), 0), 0u);
        EXPECT_EQ(out.writeBuffer(bytes, 2), 2u);
        EXPECT_EQ(out.writeBuffer(bytes), 4u);
        EXPECT_EQ(out.writeBuffer(buffer{}), 0u);
    }
    EXPECT_EQ(ScratchFolder::read(path), (Bytes{1, 2, 1, 2, 3, 4}));
}

TEST(ZQofstream, SeekOverwritesInPlaceAndTruncatesOnOpen)
{
    ScratchFolder folder("zqofstream");
    const std::string path = folder.write("out.bin", Bytes(100, 0xEE));
    {
        ZQofstream out(path);
        out.writeUInt32(0, true);
        out.writeByte(9);
        out.seek(1);
        out.writeByte(7);
        out.seek(5);
        out.writeByte(8);
    }
    EXPECT_EQ(ScratchFolder::read(path), (Bytes{0, 7, 0, 0, 9, 8}));
}

TEST(ZQofstream, UnopenableFileIsFailedFromTheStart)
{
    ScratchFolder folder("zqofstream");
    ZQofstream out(folder.file("missing/out.bin"));
    EXPECT_TRUE(out.fail());
    EXPECT_EQ(out.tell(), std::numeric_limits<std::uint64_t>::max());
    out.writeUInt32(1, true);
    EXPECT_TRUE(out.fail());
}

} // namespace
