#include "audio/converter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes number(std::uint64_t value, unsigned width, bool bigEndian)
{
    Bytes bytes(width);
    for (unsigned i = 0; i < width; ++i) {
        bytes[bigEndian ? width - 1 - i : i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return bytes;
}

TEST(Converter, ToTheDeviceFormat)
{
    // Channels, bits, unsigned 8-bit, rate, values, device bytes, frame bound, bytes after the last whole frame.
    const std::tuple<std::uint16_t, std::uint16_t, bool, double, std::vector<std::int64_t>, Bytes, std::size_t, Bytes>
        cases[] = {
            {1, 16, false, 66000, {0, 1000, 2000, 3000}, {128, 135}, 0, {}},
            {1, 16, false, 16500, {0, 1000}, {128, 129, 131, 129}, 0, {}},
            {2, 16, false, 33000, {1000, -3001, -1000, -1000}, {125, 125}, 0, {}},
            {1, 16, false, 33000, {-32768, 32767, -256, -255, 255, 256}, {0, 255, 127, 128, 128, 129}, 0, {}},
            {1, 24, false, 33000, {-65536, 65535, -1, 8388607, -8388608}, {127, 128, 128, 255, 0}, 0, {}},
            {1, 32, false, 33000, {-2147483648LL, 2147483647, -16777216, 16777215}, {0, 255, 127, 128}, 0, {}},
            {1, 8, true, 33000, {128, 255, 0, 127}, {128, 255, 0, 127}, 0, {}},
            {1, 8, false, 33000, {0, 127, 128, 255}, {128, 255, 0, 127}, 0, {}},
            {2, 16, false, 44100, std::vector<std::int64_t>(20, 100), Bytes(7, 128), 0, {}},
            // The mean of six channels, 2560 and a remainder of 5, truncates to 10 above silence.
            {6, 16, false, 33000, {2560, 2560, 2560, 2560, 2560, 2565}, {138}, 0, {}},
            // Upsampling, the frame that a trailing odd byte would start stands for silence.
            {1, 16, false, 16500, {2560}, {138, 133, 128}, 0, {0x7F}},
            // A rate of 2 Hz (an AIFF rate of ten zero bytes) yields only what the caller keeps.
            {1, 16, false, 2.0, std::vector<std::int64_t>(1000, 25600), Bytes(32768, 228), 32768, {}},
            // Empty and malformed samples convert to nothing.
            {2, 16, false, 44100, {}, {}, 0, {}},
            {0, 16, false, 44100, {1, 2, 3}, {}, 0, {}},
            {1, 40, false, 44100, {1, 2}, {}, 0, {}},
            {1, 16, false, 0.0, {1, 2}, {}, 0, {}},
            {1, 16, false, -44100.0, {1, 2}, {}, 0, {}},
            {1, 16, false, std::nan(""), {1, 2}, {}, 0, {}},
        };
    for (const auto& [channels, bits, unsigned8Bit, rate, values, device, maxFrames, trailing] : cases) {
        SCOPED_TRACE(testing::Message() << channels << " x " << bits << " bits at " << rate << " Hz");
        audio::sample in(channels, bits, unsigned8Bit, rate);
        for (const std::int64_t value : values) {
            const Bytes bytes = number(static_cast<std::uint64_t>(value), in.m_byterate, false);
            in.insert(in.end(), bytes.begin(), bytes.end());
        }
        in.insert(in.end(), trailing.begin(), trailing.end());
        audio::sample out;
        audio::converter(1, 8, true, 33000.0).convert(out, in, maxFrames);
        EXPECT_EQ(Bytes(out.begin(), out.end()), device);
        EXPECT_EQ(std::tuple(out.m_samplerate, out.m_channels, out.m_bitrate, out.m_byterate, out.m_shiftoffset,
                             out.m_unsigned8Bit),
                  std::tuple(33000.0, 1, 8, 1, 56, true));
    }
}

} // namespace
