#include "audio/sample.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

audio::sample withBytes(std::uint16_t channels, std::uint16_t bits, std::initializer_list<std::uint8_t> bytes)
{
    audio::sample s;
    s.m_channels = channels;
    s.setBitrate(bits);
    s.assign(bytes);
    return s;
}

TEST(AudioSample, SetBitrateKeepsWidthShiftAndSignednessInStep)
{
    audio::sample s;
    for (const auto& [bits, bytes, shift] : {std::tuple{12, 2, 48}, {24, 3, 40}, {32, 4, 32}, {0, 0, 64}}) {
        s.setBitrate(static_cast<std::uint16_t>(bits));
        EXPECT_EQ(s.m_byterate, bytes);
        EXPECT_EQ(s.m_shiftoffset, shift);
    }
    s.assign({1, 2});
    EXPECT_EQ(s.getValue(0, 0), 0);  // no width, no value

    s.m_unsigned8Bit = true;
    s.setBitrate(8);
    EXPECT_TRUE(s.m_unsigned8Bit);
    s.setBitrate(16);
    EXPECT_FALSE(s.m_unsigned8Bit);
}

TEST(AudioSample, GetValueSignExtendsEveryWidth)
{
    const auto s16 = withBytes(1, 16, {0x00, 0x80, 0xFF, 0x7F, 0xFF, 0xFF});
    EXPECT_EQ(s16.getValue(0, 0), -32768);
    EXPECT_EQ(s16.getValue(1, 0), 32767);
    EXPECT_EQ(s16.getValue(2, 0), -1);

    const auto s24 = withBytes(1, 24, {0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(s24.getValue(0, 0), -8388608);
    EXPECT_EQ(s24.getValue(1, 0), -1);

    const auto s32 = withBytes(1, 32, {0x00, 0x00, 0x00, 0x80});
    EXPECT_EQ(s32.getValue(0, 0), -2147483648LL);

    auto s8 = withBytes(1, 8, {0x00, 0x80, 0xFF});
    EXPECT_EQ(s8.getValue(0, 0), 0);
    EXPECT_EQ(s8.getValue(1, 0), -128);
    EXPECT_EQ(s8.getValue(2, 0), -1);
    s8.m_unsigned8Bit = true;
    EXPECT_EQ(s8.getValue(0, 0), -128);
    EXPECT_EQ(s8.getValue(1, 0), 0);
    EXPECT_EQ(s8.getValue(2, 0), 127);

    const auto wide = withBytes(1, 40, {1, 2, 3, 4, 5});
    EXPECT_EQ(wide.getValue(0, 0), 0);
}

TEST(AudioSample, MissingChannelReadsTheLastOne)
{
    const auto stereo = withBytes(2, 16, {1, 0, 2, 0});
    EXPECT_EQ(stereo.getValue(0, 5), 2);
    const auto mono = withBytes(1, 16, {7, 0});
    EXPECT_EQ(mono.getValue(0, 1), 7);
}

TEST(AudioSample, ToStringListsTheFormatWithoutData)
{
    audio::sample s;
    s.assign({1, 2, 3});
    const std::string text = s.toString();
    EXPECT_EQ(text.rfind("audio::sample   < 0x", 0), 0u);
    const auto fields = text.substr(text.find(" >\n") + 3);
    EXPECT_EQ(fields, "m_samplerate: 44100\nm_channels: 2\nm_bitrate: 16\nm_byterate: 2\n"
                      "m_shiftoffset: 48\nm_unsigned8Bit: 0 ");
    s.m_samplerate = 22050.5;
    EXPECT_NE(s.toString().find("m_samplerate: 22050.5\n"), std::string::npos);
}

} // namespace
