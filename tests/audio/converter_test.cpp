#include "audio/converter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const audio::converter device(1, 8, true, 33000.0);

// Packs signed values little-endian at the given width.
audio::sample make(std::uint16_t channels, std::uint16_t bits, double rate, const std::vector<std::int64_t>& values)
{
    audio::sample s;
    s.m_channels = channels;
    s.m_samplerate = rate;
    s.setBitrate(bits);
    for (const std::int64_t v : values) {
        for (std::uint16_t i = 0; i < s.m_byterate; ++i) {
            s.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) >> (8 * i)));
        }
    }
    return s;
}

std::vector<std::uint8_t> toDevice(const audio::sample& in, std::size_t maxFrames = 0)
{
    audio::sample out;
    device.convert(out, in, maxFrames);
    EXPECT_EQ(out.m_samplerate, 33000.0);
    EXPECT_EQ(out.m_channels, 1);
    EXPECT_EQ(out.m_bitrate, 8);
    EXPECT_EQ(out.m_byterate, 1);
    EXPECT_EQ(out.m_shiftoffset, 56);
    EXPECT_TRUE(out.m_unsigned8Bit);
    return {out.begin(), out.end()};
}

using Bytes = std::vector<std::uint8_t>;

TEST(Converter, WorkedResultsForTheDeviceFormat)
{
    EXPECT_EQ(toDevice(make(1, 16, 66000, {0, 1000, 2000, 3000})), (Bytes{128, 135}));
    EXPECT_EQ(toDevice(make(1, 16, 16500, {0, 1000})), (Bytes{128, 129, 131, 129}));
    EXPECT_EQ(toDevice(make(2, 16, 33000, {1000, -3001, -1000, -1000})), (Bytes{125, 125}));
    EXPECT_EQ(toDevice(make(1, 16, 33000, {-32768, 32767, -256, -255, 255, 256})),
              (Bytes{0, 255, 127, 128, 128, 129}));
    EXPECT_EQ(toDevice(make(1, 24, 33000, {-65536, 65535, -1, 8388607, -8388608})),
              (Bytes{127, 128, 128, 255, 0}));

    auto unsignedWav = make(1, 8, 33000, {128, 255, 0, 127});
    unsignedWav.m_unsigned8Bit = true;
    EXPECT_EQ(toDevice(unsignedWav), (Bytes{128, 255, 0, 127}));
    EXPECT_EQ(toDevice(make(1, 8, 33000, {0, 127, 128, 255})), (Bytes{128, 255, 0, 127}));

    const std::vector<std::int64_t> tenFrames(20, 100);
    EXPECT_EQ(toDevice(make(2, 16, 44100, tenFrames)), Bytes(7, 128));
}

TEST(Converter, ChannelsAreAveragedTowardZero)
{
    EXPECT_EQ(toDevice(make(2, 16, 33000, {25600, -25600, -2560, 2560})), (Bytes{128, 128}));
    // Six channels summing to 6 * 2560 + 5: the mean truncates to 2560, that is 10 above silence.
    EXPECT_EQ(toDevice(make(6, 16, 33000, {2560, 2560, 2560, 2560, 2560, 2565})), (Bytes{138}));

    const audio::converter stereo(2, 16, false, 33000.0);
    audio::sample out;
    stereo.convertChannels(out, make(1, 16, 33000, {-5, 7}));
    EXPECT_EQ(Bytes(out.begin(), out.end()), (Bytes{0xFB, 0xFF, 0xFB, 0xFF, 7, 0, 7, 0}));
}

TEST(Converter, DeviceFormatPassesThroughUnchanged)
{
    audio::sample in(1, 8, true, 33000.0);
    for (int v = 0; v < 256; ++v) {
        in.push_back(static_cast<std::uint8_t>(v));
    }
    EXPECT_EQ(toDevice(in), Bytes(in.begin(), in.end()));
}

TEST(Converter, RateStepFrameCounts)
{
    const std::vector<std::int64_t> values(4000, 0);
    EXPECT_EQ(toDevice(make(1, 16, 44100, values)).size(), 2993u);  // about three frames of four
    EXPECT_EQ(toDevice(make(1, 16, 16500, values)).size(), 8000u);
    EXPECT_EQ(toDevice(make(1, 16, 16500, values), 100).size(), 100u);
}

TEST(Converter, TrailingPartialFrameIsNeverRead)
{
    // Three bytes of 16-bit stereo: no whole frame, but the output keeps its computed length.
    auto partial = make(2, 16, 33000, {});
    partial.assign({0xFF, 0x7F, 0xFF});
    audio::sample out;
    device.convertChannels(out, partial);
    EXPECT_EQ(Bytes(out.begin(), out.end()), Bytes(1, 0));

    // Upsampling a mono input with a trailing odd byte: the frame it would start stands for silence.
    auto odd = make(1, 16, 16500, {2560});
    odd.push_back(0x7F);
    EXPECT_EQ(toDevice(odd), (Bytes{138, 133, 128}));
}

TEST(Converter, EmptyInputGivesEmptyOutputInTheTargetFormat)
{
    EXPECT_TRUE(toDevice(audio::sample()).empty());
}

TEST(Converter, MalformedFormatsConvertToNothing)
{
    EXPECT_TRUE(toDevice(make(0, 16, 44100, {1, 2, 3})).empty());
    auto noWidth = make(1, 16, 44100, {1, 2});
    noWidth.setBitrate(0);
    EXPECT_TRUE(toDevice(noWidth).empty());
    EXPECT_TRUE(toDevice(make(1, 16, 0.0, {1, 2})).empty());
    EXPECT_TRUE(toDevice(make(1, 16, -44100.0, {1, 2})).empty());
    EXPECT_TRUE(toDevice(make(1, 16, std::nan(""), {1, 2})).empty());
    EXPECT_TRUE(toDevice(make(1, 16, std::numeric_limits<double>::infinity(), {1, 2})).empty());
    auto wide = make(1, 16, 44100, {1, 2, 3, 4, 5});
    wide.setBitrate(40);
    EXPECT_TRUE(toDevice(wide).empty());
}

TEST(Converter, WideTargetsAreSignExtended)
{
    const audio::converter wide(1, 72, false, 33000.0);
    audio::sample out;
    wide.convertBitrate(out, make(1, 16, 33000, {-1}));  // -1 * 2^56
    EXPECT_EQ(Bytes(out.begin(), out.end()), (Bytes{0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
}

TEST(Converter, TinySourceRateIsBoundedByTheCaller)
{
    const auto slow = make(1, 16, 2.0, std::vector<std::int64_t>(1000, 25600));
    const auto out = toDevice(slow, 32768);
    ASSERT_EQ(out.size(), 32768u);
    EXPECT_EQ(out.front(), 228);
}

} // namespace
