#pragma once

#include "audio/PcmFrames.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace audio {

// A target format, and the four steps that bring a sample into it: channels, rate, width, sign.
// Every step takes the output first, fills it completely and leaves the input as it was. A sample
// without channels, with values of 0 or more than 32 bits, or with a rate that is not a positive
// number converts to nothing.
class ClassicConverter {
public:
    ClassicConverter() = default;
    ClassicConverter(std::uint16_t channels, std::uint16_t bits, bool unsigned8Bit, double samplerate);

    // maxFrames bounds the output (0: no bound), so a tiny source rate cannot blow up the rate step.
    void convert(PcmFrames& out, const PcmFrames& in, std::size_t maxFrames = 0) const;

    // Only the first usedFrames frames are mixed; those after stay zero (convert bounds it by what
    // its rate step reads).
    void convertChannels(PcmFrames& out, const PcmFrames& in, std::uint64_t usedFrames = UINT64_MAX) const;
    void convertSamplerate(PcmFrames& out, const PcmFrames& in, std::size_t maxFrames = 0) const;
    void convertBitrate(PcmFrames& out, const PcmFrames& in) const;
    void convertSign(PcmFrames& out, const PcmFrames& in) const;

    // The one channel convertChannels makes of each frame from first on (the mean of its values,
    // truncated), times scale, into out: what a resampler reads, without a mixed copy of the whole
    // source. The frames must lie inside the sample, and it must have a layout convert takes.
    static void mixedFrames(const PcmFrames& in, std::uint64_t first, std::span<double> out, double scale);

    // What convert makes of the sample for one channel at samplerate and the sample's own width
    // (where the width and sign steps change nothing), without its copies of the whole sample: the
    // count of frames, at most maxFrames (0: no bound), and the values of out.size() of them from
    // frame first on, each a function of its place alone. The frames must lie inside the count.
    static std::uint64_t monoFrameCount(const PcmFrames& in, double samplerate, std::size_t maxFrames);
    static void monoFrames(const PcmFrames& in, double samplerate, std::uint64_t first, std::span<double> out);

    double m_samplerate = 44100.0; // target frames per second
    std::uint16_t m_channels = 2;
    std::uint16_t m_bitsPerValue = 16; // always 8 when m_unsigned8Bit is set
    bool m_unsigned8Bit = false;
};

} // namespace audio
