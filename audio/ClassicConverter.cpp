#include "audio/ClassicConverter.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

namespace audio {

namespace {

// A value width known when compiled, so that the loops over every frame the slot needs read and
// write whole values without a loop or a switch per byte: those took most of an import's time.
template <std::uint16_t Bytes> using Width = std::integral_constant<std::uint16_t, Bytes>;

// Calls step with the width of the sample's values as a constant where it is one of 1 to 4 bytes.
template <typename Step> void byWidth(std::uint16_t width, Step&& step)
{
    switch (width) {
    case 1:
        return step(Width<1>{});
    case 2:
        return step(Width<2>{});
    case 3:
        return step(Width<3>{});
    case 4:
        return step(Width<4>{});
    default:
        return step(width);
    }
}

// Writes the low `width` bytes of value, least significant first, sign-extended past 8 bytes;
// nothing is clipped.
template <typename Bytes> void store(std::uint8_t* at, std::int64_t value, Bytes width)
{
    const auto bits = static_cast<std::uint64_t>(value);
    const std::uint8_t sign = value < 0 ? 0xFF : 0x00;
    for (std::uint16_t i = 0; i < width; ++i) {
        at[i] = i < 8 ? static_cast<std::uint8_t>(bits >> (8 * i)) : sign;
    }
}

// Reads the values of a sample with a layout (1 to 4 bytes wide) as sample::getValue does; the
// fields are copied so that writing the output's bytes cannot make the compiler reload them.
template <typename Bytes> class Values {
public:
    Values(const PcmFrames& in, Bytes width)
        : m_data(in.data())
        , m_channels(in.m_channels)
        , m_width(width)
        , m_shift(in.m_signShift)
        , m_unsigned8Bit(in.m_unsigned8Bit)
    {
    }

    std::int64_t operator()(std::uint64_t frame, std::uint16_t channel) const
    {
        const std::uint8_t* at = m_data + (frame * m_channels + channel) * m_width;
        if (m_unsigned8Bit) {
            return static_cast<std::int64_t>(*at) - 128;
        }
        std::uint64_t bits = 0;
        for (std::uint16_t i = 0; i < m_width; ++i) {
            bits |= static_cast<std::uint64_t>(at[i]) << (8 * i);
        }
        // Arithmetic right shift of the left-aligned value sign-extends it.
        return static_cast<std::int64_t>(bits << m_shift) >> m_shift;
    }

private:
    const std::uint8_t* m_data;
    std::uint64_t m_channels;
    Bytes m_width;
    unsigned m_shift;
    bool m_unsigned8Bit;
};

// Sizes the output (all zero) and gives it its format; an unsigned result is always 8 bits wide.
void prepare(PcmFrames& out, std::uint64_t length, double samplerate, std::uint16_t channels, std::uint16_t bits,
             bool unsigned8Bit)
{
    out.assign(length, 0);
    out.m_samplerate = samplerate;
    out.m_channels = channels;
    out.setBitrate(bits);
    out.m_unsigned8Bit = unsigned8Bit;
    if (unsigned8Bit) {
        out.setBitrate(8);
    }
}

// Values wider than 32 bits cannot be read (they all read as 0), so such samples convert to
// nothing, as do samples without channels or width.
bool hasLayout(const PcmFrames& in)
{
    return in.m_channels != 0 && in.m_bytesPerValue != 0 && in.m_bytesPerValue <= 4;
}

std::uint64_t framesOf(const PcmFrames& in)
{
    return hasLayout(in) ? in.frameCount() : 0;
}

std::int64_t truncate(double value)
{
    return static_cast<std::int64_t>(std::trunc(value));
}

} // namespace

ClassicConverter::ClassicConverter(std::uint16_t channels, std::uint16_t bits, bool unsigned8Bit, double samplerate)
    : m_samplerate(samplerate)
    , m_channels(channels)
    , m_bitsPerValue(unsigned8Bit ? 8 : bits)
    , m_unsigned8Bit(unsigned8Bit)
{
}

void ClassicConverter::convert(PcmFrames& out, const PcmFrames& in, std::size_t maxFrames) const
{
    PcmFrames channels;
    PcmFrames rate;
    PcmFrames width;
    // With the output bounded, the rate step reads input frames k and k + 1 of its last position
    // at most; mixing the channels of the rest of a long file (most of it, for a short slot) is
    // work for nothing. The product is the rate step's own, so the bound is exact.
    std::uint64_t used = UINT64_MAX;
    const double ratio = in.m_samplerate / m_samplerate;
    if (maxFrames != 0 && std::isfinite(ratio) && ratio > 0.0) {
        const double lastPosition = static_cast<double>(maxFrames - 1) * ratio;
        if (lastPosition < 0x1p62) {
            used = static_cast<std::uint64_t>(lastPosition) + 2;
        }
    }
    convertChannels(channels, in, used);
    convertSamplerate(rate, channels, maxFrames);
    convertBitrate(width, rate);
    convertSign(out, width);
}

void ClassicConverter::convertChannels(PcmFrames& out, const PcmFrames& in, std::uint64_t usedFrames) const
{
    const std::uint64_t length = hasLayout(in) ? in.size() * m_channels / in.m_channels : 0;
    prepare(out, length, in.m_samplerate, m_channels, in.m_bitsPerValue, in.m_unsigned8Bit);
    const std::uint64_t frames = std::min(framesOf(in), usedFrames);
    const std::int64_t offset = in.m_unsigned8Bit ? 128 : 0;
    const std::uint16_t outChannels = m_channels;
    // Mono and stereo sources divide by a constant, which costs a shift where a division took longer
    // than everything else a frame needs.
    const auto mix = [&](auto width, auto inChannels) {
        const Values values(in, width);
        std::uint8_t* at = out.data();
        for (std::uint64_t f = 0; f < frames; ++f) {
            std::int64_t sum = 0;
            // NOLINTNEXTLINE(bugprone-too-small-loop-variable): inChannels is a 16-bit count, widened
            for (std::uint16_t c = 0; c < inChannels; ++c) {
                sum += values(f, c);
            }
            const std::int64_t mean = sum / inChannels + offset;
            for (std::uint16_t c = 0; c < outChannels; ++c, at += width) {
                store(at, mean, width);
            }
        }
    };
    byWidth(in.m_bytesPerValue, [&](auto width) {
        if (in.m_channels == 1) {
            mix(width, std::integral_constant<std::int64_t, 1>{});
        } else if (in.m_channels == 2) {
            mix(width, std::integral_constant<std::int64_t, 2>{});
        } else {
            mix(width, static_cast<std::int64_t>(in.m_channels));
        }
    });
}

void ClassicConverter::mixedFrames(const PcmFrames& in, std::uint64_t first, std::span<double> out, double scale)
{
    // A source without channels or a known width has no frames, and nothing to divide a sum by.
    if (!hasLayout(in))
        return;
    const auto mix = [&](auto width, auto inChannels) {
        const Values values(in, width);
        for (std::size_t i = 0; i < out.size(); ++i) {
            std::int64_t sum = 0;
            // NOLINTNEXTLINE(bugprone-too-small-loop-variable): inChannels is a 16-bit count, widened
            for (std::uint16_t c = 0; c < inChannels; ++c) {
                sum += values(first + i, c);
            }
            // The mean truncates toward zero, as every conversion does; inChannels is never 0 (see above).
            // NOLINTNEXTLINE(bugprone-integer-division,clang-analyzer-core.DivideZero)
            out[i] = static_cast<double>(sum / inChannels) * scale;
        }
    };
    byWidth(in.m_bytesPerValue, [&](auto width) {
        if (in.m_channels == 1) {
            mix(width, std::integral_constant<std::int64_t, 1>{});
        } else if (in.m_channels == 2) {
            mix(width, std::integral_constant<std::int64_t, 2>{});
        } else {
            mix(width, static_cast<std::int64_t>(in.m_channels));
        }
    });
}

std::uint64_t ClassicConverter::monoFrameCount(const PcmFrames& in, double samplerate, std::size_t maxFrames)
{
    // convertChannels' one channel holds the sample's bytes over its channels; convertSamplerate
    // counts that channel's bytes, whole frames or not.
    const double ratio = in.m_samplerate / samplerate;
    if (!hasLayout(in) || !std::isfinite(ratio) || !(ratio > 0.0)) {
        return 0;
    }
    const std::uint64_t width = in.m_bytesPerValue;
    // Whole bytes per channel, as convertChannels leaves them: the remainder of a partial frame is dropped.
    const std::uint64_t bytesPerChannel = in.size() / in.m_channels;
    const double wanted = std::trunc(static_cast<double>(bytesPerChannel) / ratio);
    if (maxFrames != 0 && wanted > static_cast<double>(maxFrames) * static_cast<double>(width)) {
        return maxFrames;
    }
    return wanted < static_cast<double>(PcmFrames().max_size()) ? static_cast<std::uint64_t>(wanted) / width : 0;
}

void ClassicConverter::monoFrames(const PcmFrames& in, double samplerate, std::uint64_t first, std::span<double> out)
{
    const double ratio = in.m_samplerate / samplerate;
    const std::uint64_t frames = framesOf(in);
    // The mixed frames a block of the output reads, mixed once each: as many as the rate step
    // reads of them, but no span of a far higher rate, whose frames between are never read.
    constexpr double mostMixedPerFrame = 64.0;
    const std::size_t block = ratio > mostMixedPerFrame ? 1 : 4096;
    std::vector<double> mixed;
    for (std::size_t done = 0; done < out.size(); done += block) {
        const std::size_t count = std::min(block, out.size() - done);
        const std::uint64_t from = first + done;
        const auto k0 = static_cast<std::uint64_t>(static_cast<double>(from) * ratio);
        const auto k1 = static_cast<std::uint64_t>(static_cast<double>(from + count - 1) * ratio) + 1;
        const std::uint64_t spanEnd = std::min(k1 + 1, frames);
        const auto inside = static_cast<std::size_t>(k0 < spanEnd ? spanEnd - k0 : 0);
        mixed.assign(static_cast<std::size_t>(k1 + 1 - k0), 0.0);
        // Frames past the input's end stand for silence, as in convertSamplerate.
        mixedFrames(in, k0, {mixed.data(), inside}, 1.0);
        for (std::size_t i = 0; i < count; ++i) {
            const double position = static_cast<double>(from + i) * ratio;
            const auto k = static_cast<std::uint64_t>(position);
            const double fraction = position - static_cast<double>(k);
            const double a = mixed[static_cast<std::size_t>(k - k0)];
            const double b = mixed[static_cast<std::size_t>(k + 1 - k0)];
            out[done + i] = std::trunc((b - a) * fraction + a);
        }
    }
}

void ClassicConverter::convertSamplerate(PcmFrames& out, const PcmFrames& in, std::size_t maxFrames) const
{
    const double ratio = in.m_samplerate / m_samplerate;
    const bool usable = hasLayout(in) && std::isfinite(ratio) && ratio > 0.0;
    const std::uint64_t frameBytes = static_cast<std::uint64_t>(in.m_channels) * in.m_bytesPerValue;
    const double wanted = usable ? std::trunc(static_cast<double>(in.size()) / ratio) : 0.0;
    std::uint64_t length = 0;
    if (maxFrames != 0 && wanted > static_cast<double>(maxFrames) * static_cast<double>(frameBytes)) {
        length = maxFrames * frameBytes;
    } else if (wanted < static_cast<double>(out.max_size())) {
        length = static_cast<std::uint64_t>(wanted);
    }
    prepare(out, length, m_samplerate, in.m_channels, in.m_bitsPerValue, in.m_unsigned8Bit);
    if (length == 0) {
        return;
    }
    const std::uint64_t inFrames = framesOf(in);
    const std::uint64_t outFrames = length / in.m_channels / in.m_bytesPerValue;
    const std::int64_t offset = in.m_unsigned8Bit ? 128 : 0;
    const std::uint16_t channels = in.m_channels;
    byWidth(in.m_bytesPerValue, [&](auto width) {
        const Values values(in, width);
        std::uint8_t* at = out.data();
        for (std::uint64_t i = 0; i < outFrames; ++i) {
            const double position = static_cast<double>(i) * ratio;
            const auto k = static_cast<std::uint64_t>(position);
            const double fraction = position - static_cast<double>(k);
            for (std::uint16_t c = 0; c < channels; ++c, at += width) {
                // Frames past the input's end, whole or partial, stand for silence.
                const std::int64_t a = k < inFrames ? values(k, c) : 0;
                const std::int64_t b = k + 1 < inFrames ? values(k + 1, c) : 0;
                const std::int64_t value = truncate(static_cast<double>(b - a) * fraction + static_cast<double>(a));
                store(at, value + offset, width);
            }
        }
    });
}

void ClassicConverter::convertBitrate(PcmFrames& out, const PcmFrames& in) const
{
    const std::uint16_t outWidth = static_cast<std::uint16_t>((m_bitsPerValue + 7) / 8);
    const std::uint64_t length = hasLayout(in) ? in.size() * outWidth / in.m_bytesPerValue : 0;
    prepare(out, length, in.m_samplerate, in.m_channels, m_bitsPerValue, in.m_unsigned8Bit);
    const double scale = std::ldexp(1.0, static_cast<int>(m_bitsPerValue) - static_cast<int>(in.m_bitsPerValue));
    const std::uint64_t frames = framesOf(in);
    const std::int64_t offset = in.m_unsigned8Bit ? 128 : 0;
    const std::uint16_t channels = in.m_channels;
    byWidth(in.m_bytesPerValue, [&](auto width) {
        const Values values(in, width);
        // The device's 8-bit values are what every import makes.
        const auto storeEach = [&](auto storedWidth) {
            std::uint8_t* at = out.data();
            for (std::uint64_t f = 0; f < frames; ++f) {
                for (std::uint16_t c = 0; c < channels; ++c, at += storedWidth) {
                    store(at, truncate(static_cast<double>(values(f, c)) * scale) + offset, storedWidth);
                }
            }
        };
        if (outWidth == 1) {
            storeEach(Width<1>{});
        } else {
            storeEach(outWidth);
        }
    });
}

void ClassicConverter::convertSign(PcmFrames& out, const PcmFrames& in) const
{
    prepare(out, hasLayout(in) ? in.size() : 0, m_samplerate, in.m_channels, in.m_bitsPerValue, m_unsigned8Bit);
    const std::uint64_t frames = framesOf(in);
    const std::int64_t offset = m_unsigned8Bit ? 128 : 0;
    const std::uint16_t channels = in.m_channels;
    byWidth(in.m_bytesPerValue, [&](auto width) {
        const Values values(in, width);
        std::uint8_t* at = out.data();
        for (std::uint64_t f = 0; f < frames; ++f) {
            for (std::uint16_t c = 0; c < channels; ++c, at += width) {
                store(at, values(f, c) + offset, width);
            }
        }
    });
}

} // namespace audio
