#include "audio/PcmFrames.h"

#include <sstream>

namespace audio {

PcmFrames::PcmFrames(std::uint16_t channels, std::uint16_t bits, bool unsigned8Bit, double samplerate)
    : m_samplerate(samplerate)
    , m_channels(channels)
{
    setBitrate(bits);
    m_unsigned8Bit = unsigned8Bit;
    if (unsigned8Bit) {
        setBitrate(8);
    }
}

void PcmFrames::setBitrate(std::uint16_t bits)
{
    m_bitsPerValue = bits;
    m_bytesPerValue = static_cast<std::uint16_t>((bits + 7) / 8);
    m_signShift = static_cast<std::uint16_t>(64 - 8 * m_bytesPerValue);
    if (bits != 8) {
        m_unsigned8Bit = false;
    }
}

std::int64_t PcmFrames::getValue(std::uint64_t frame, std::uint16_t channel) const
{
    if (m_channels == 0 || m_bytesPerValue == 0 || m_bytesPerValue > 4) {
        return 0;
    }
    if (channel >= m_channels) {
        channel = static_cast<std::uint16_t>(m_channels - 1);
    }
    const std::uint64_t offset = (channel + m_channels * frame) * m_bytesPerValue;
    if (m_unsigned8Bit) {
        return static_cast<std::int64_t>((*this)[offset]) - 128;
    }
    std::uint64_t bits = 0;
    for (std::uint16_t i = 0; i < m_bytesPerValue; ++i) {
        bits |= static_cast<std::uint64_t>((*this)[offset + i]) << (8 * i);
    }
    // Arithmetic right shift of the left-aligned value sign-extends it.
    return static_cast<std::int64_t>(bits << m_signShift) >> m_signShift;
}

std::uint64_t PcmFrames::frameCount() const
{
    const std::uint64_t frameBytes = static_cast<std::uint64_t>(m_channels) * m_bytesPerValue;
    return frameBytes == 0 ? 0 : size() / frameBytes;
}

std::string PcmFrames::toString() const
{
    std::ostringstream text;
    text << "audio::sample   < " << static_cast<const void*>(this) << " >\n"
         << "m_samplerate: " << m_samplerate << '\n'
         << "m_channels: " << m_channels << '\n'
         << "m_bitrate: " << m_bitsPerValue << '\n'
         << "m_byterate: " << m_bytesPerValue << '\n'
         << "m_shiftoffset: " << m_signShift << '\n'
         << "m_unsigned8Bit: " << (m_unsigned8Bit ? 1 : 0) << ' ';
    return text.str();
}

} // namespace audio
