#pragma once

#include "bytes/ByteBuffer.h"

#include <cstdint>
#include <string>

namespace audio {

// PCM audio: the buffer's bytes are the frames, channel 0 first, each value m_bytesPerValue bytes,
// least significant byte first.
class PcmFrames : public ByteBuffer {
public:
    PcmFrames() = default;
    PcmFrames(std::uint16_t channels, std::uint16_t bits, bool unsigned8Bit, double samplerate);

    // Keeps m_bytesPerValue and m_signShift in step with the declared bits; any width but 8 is signed.
    void setBitrate(std::uint16_t bits);

    // A channel beyond the last reads the last one; the frame must lie inside the data.
    std::int64_t getValue(std::uint64_t frame, std::uint16_t channel) const;

    // Whole frames only; 0 for a sample without channels or width.
    std::uint64_t frameCount() const;

    std::string toString() const override;

    double m_samplerate = 44100.0; // frames per second
    std::uint16_t m_channels = 2; // values per frame
    std::uint16_t m_bitsPerValue = 16; // declared bits per value
    std::uint16_t m_bytesPerValue = 2; // bytes per value
    std::uint16_t m_signShift = 48; // bits that sign-extend one value held in 64 bits
    bool m_unsigned8Bit = false; // offset binary, 128 is silence
};

} // namespace audio
