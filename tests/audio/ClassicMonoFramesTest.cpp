// The classic conversion's one channel at the device rate, as the slot's conversion reads it without
// the converter's copies, is the four steps' result value for value, over random samples of every
// layout, rate and bound, read whole or from any frame on.
#include "audio/ClassicConverter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

struct Layout {
    std::uint16_t bits;
    bool unsigned8Bit;
};

constexpr Layout layouts[] = {{8, true}, {8, false}, {12, false}, {16, false}, {20, false}, {24, false}, {32, false}};
// Rates around the device's, a whole multiple of it, far above it (one read per output frame), and odd ones.
constexpr double rates[]
    = {33000.0, 44100.0, 48000.0, 8000.0, 22050.0, 96000.0, 165000.0, 192000.0, 44100.7, 2.5e6, 11025.0, 4000.0};

TEST(ClassicMonoFrames, AreTheFourStepsValuesForAnySampleAndFromAnyFrame)
{
    std::mt19937 random(515);
    for (int round = 0; round < 400; ++round) {
        const Layout layout = layouts[random() % std::size(layouts)];
        const auto channels = static_cast<std::uint16_t>(1 + random() % 8);
        audio::PcmFrames in(channels, layout.bits, layout.unsigned8Bit, rates[random() % std::size(rates)]);
        // Any bytes are values; a partial frame may trail.
        const std::size_t frames = random() % 3000;
        in.resize(frames * channels * in.m_bytesPerValue + random() % (channels * in.m_bytesPerValue));
        std::generate(in.begin(), in.end(), [&random] { return static_cast<std::uint8_t>(random()); });
        const std::size_t maxFrames = random() % 2 == 0 ? 0 : random() % 4000;
        SCOPED_TRACE(testing::Message() << channels << " x " << layout.bits << (layout.unsigned8Bit ? "u" : "")
                                        << " at " << in.m_samplerate << " Hz, " << in.size() << " bytes, bound "
                                        << maxFrames);

        audio::PcmFrames device;
        audio::ClassicConverter(1, layout.bits, false, 33000.0).convert(device, in, maxFrames);
        std::vector<double> expected(device.frameCount());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            expected[i] = static_cast<double>(device.getValue(i, 0));
        }
        ASSERT_EQ(audio::ClassicConverter::monoFrameCount(in, 33000.0, maxFrames), expected.size());
        std::vector<double> whole(expected.size());
        audio::ClassicConverter::monoFrames(in, 33000.0, 0, whole);
        EXPECT_EQ(whole, expected);
        if (!expected.empty()) {
            const std::size_t first = random() % expected.size();
            std::vector<double> tail(random() % (expected.size() - first + 1));
            audio::ClassicConverter::monoFrames(in, 33000.0, first, tail);
            EXPECT_TRUE(std::equal(tail.begin(), tail.end(), expected.begin() + static_cast<std::ptrdiff_t>(first)));
        }
    }
}

} // namespace
