#include "audio/PcmFileReader.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::uint32_t RIFF = 0x52494646;
constexpr std::uint32_t WAVE = 0x57415645;
constexpr std::uint32_t FMT = 0x666D7420;
constexpr std::uint32_t DATA = 0x64617461;
constexpr std::uint32_t FORM = 0x464F524D;
constexpr std::uint32_t AIFF = 0x41494646;
constexpr std::uint32_t COMM = 0x434F4D4D;
constexpr std::uint32_t SSND = 0x53534E44;

constexpr std::uint16_t formatPcm = 1;
constexpr std::uint16_t formatExtensible = 0xFFFE;
// An extensible "fmt " body carries its sub-format GUID at byte 24, after the 16 plain bytes,
// the extension size, the valid bits and the channel mask.
constexpr std::uint32_t extensibleFmtLength = 40;
constexpr std::uint32_t subFormatOffset = 24;
// Bytes 2 to 15 of every sub-format GUID that wraps a plain format code in its bytes 0 and 1.
constexpr std::array<std::uint8_t, 14> subFormatBase
    = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

constexpr std::uint64_t padded(std::uint32_t length)
{
    return static_cast<std::uint64_t>(length) + (length & 1u);
}

// Values are stored left-justified, so a 12- or 20-bit sample reads like its whole-byte container.
std::uint16_t containerBits(std::uint16_t bits)
{
    const std::uint32_t rounded = (static_cast<std::uint32_t>(bits) + 7) / 8 * 8;
    return static_cast<std::uint16_t>(std::min<std::uint32_t>(rounded, 0xFFFF));
}

} // namespace

PcmFileReader::PcmFileReader(std::span<const std::uint8_t> bytes)
    : ByteReader(bytes)
{
    probeHeader();
}

void PcmFileReader::probeHeader()
{
    m_fileType = readUInt32(true);
    if (!skip(4)) {
        return;
    }
    m_formType = readUInt32(true);
    if (m_formType != WAVE) {
        return;
    }
    for (;;) {
        const std::uint32_t code = readUInt32(true);
        const std::uint32_t length = readUInt32(false);
        if (fail()) {
            return;
        }
        if (code == FMT) {
            m_formatTag = readUInt16(false);
            if (m_formatTag == formatExtensible) {
                m_subFormatTag = readSubFormat(length);
            }
            return;
        }
        if (!skip(padded(length))) {
            return;
        }
    }
}

std::uint16_t PcmFileReader::readSubFormat(std::uint32_t fmtLength)
{
    // Called two bytes into the "fmt " body.
    if (fmtLength < extensibleFmtLength || !skip(subFormatOffset - 2)) {
        return 0;
    }
    const std::uint16_t code = readUInt16(false);
    std::array<std::uint8_t, subFormatBase.size()> rest{};
    if (readBytes(rest.data(), rest.size()) != rest.size() || rest != subFormatBase) {
        return 0;
    }
    return code;
}

bool PcmFileReader::isAudioFile() const
{
    return m_fileType == FORM || (m_fileType == RIFF && m_formType == WAVE);
}

bool PcmFileReader::isPcmFile() const
{
    const bool pcmWave = m_formatTag == formatPcm || (m_formatTag == formatExtensible && m_subFormatTag == formatPcm);
    return (m_fileType == RIFF && m_formType == WAVE && pcmWave) || (m_fileType == FORM && m_formType == AIFF);
}

std::size_t PcmFileReader::read(audio::PcmFrames& sample, std::size_t maxBytes)
{
    std::uint32_t offset = 0;
    std::uint32_t blockSize = 0;
    if ((m_formType == WAVE && readWave(sample, maxBytes))
        || (m_formType == AIFF && readAiff(offset, blockSize, sample, maxBytes))) {
        return sample.size();
    }
    sample.clear();
    return 0;
}

bool PcmFileReader::readFormat(audio::PcmFrames& format)
{
    std::uint32_t offset = 0;
    std::uint32_t blockSize = 0;
    const bool found
        = (m_formType == WAVE && readWave(format, 1)) || (m_formType == AIFF && readAiff(offset, blockSize, format, 1));
    format.clear();
    return found;
}

bool PcmFileReader::findChunk(std::uint32_t code, bool bigEndian, std::uint32_t& length)
{
    seek(12);
    for (;;) {
        const std::uint32_t found = readUInt32(true);
        length = readUInt32(bigEndian);
        if (fail()) {
            return false;
        }
        if (found == code) {
            return true;
        }
        if (!skip(padded(length))) {
            return false;
        }
    }
}

bool PcmFileReader::readFmtChunk(std::uint16_t& format, double& samplerate, std::uint16_t& channels,
                                 std::uint16_t& bits)
{
    format = 0;
    samplerate = 0.0;
    channels = 0;
    bits = 0;
    const std::uint64_t start = tell();
    std::uint32_t length = 0;
    if (!findChunk(FMT, false, length)) {
        seek(start);
        return false;
    }
    format = readUInt16(false);
    channels = readUInt16(false);
    samplerate = static_cast<double>(readUInt32(false));
    skip(6); // byte rate and block alignment
    bits = readUInt16(false);
    seek(start);
    return true;
}

bool PcmFileReader::readWave(audio::PcmFrames& sample, std::size_t maxBytes)
{
    const std::uint64_t start = tell();
    std::uint16_t format = 0;
    double samplerate = 0.0;
    std::uint16_t channels = 0;
    std::uint16_t bits = 0;
    std::uint32_t length = 0;
    if (!readFmtChunk(format, samplerate, channels, bits) || !findChunk(DATA, false, length)) {
        seek(start);
        return false;
    }
    m_dataLength = std::min<std::uint64_t>(length, remaining());
    m_declaredLength = length;
    m_dataStart = tell();
    std::uint64_t count = (maxBytes != 0 && maxBytes <= length) ? maxBytes : length;
    sample.resize(static_cast<std::size_t>(std::min(count, remaining())));
    readBuffer(sample);

    sample.m_channels = channels;
    sample.m_samplerate = samplerate;
    // Up to 8 bits a WAV value is unsigned, 128 being silence.
    sample.setBitrate(bits < 9 ? 8 : containerBits(bits));
    sample.m_unsigned8Bit = bits < 9;
    seek(start);
    return true;
}

bool PcmFileReader::readCommChunk(double& samplerate, std::uint16_t& channels, std::uint16_t& bits)
{
    samplerate = 0.0;
    channels = 0;
    bits = 0;
    const std::uint64_t start = tell();
    std::uint32_t length = 0;
    if (!findChunk(COMM, true, length)) {
        seek(start);
        return false;
    }
    channels = readUInt16(true);
    skip(4); // frame count: the data length comes from SSND
    bits = readUInt16(true);
    samplerate = readExtended();
    seek(start);
    return true;
}

bool PcmFileReader::readAiff(std::uint32_t& offset, std::uint32_t& blockSize, audio::PcmFrames& sample,
                             std::size_t maxBytes)
{
    const std::uint64_t start = tell();
    offset = 0;
    blockSize = 0;
    double samplerate = 0.0;
    std::uint16_t channels = 0;
    std::uint16_t bits = 0;
    std::uint32_t length = 0;
    if (!readCommChunk(samplerate, channels, bits) || !findChunk(SSND, true, length)) {
        seek(start);
        return false;
    }
    offset = readUInt32(true);
    blockSize = readUInt32(true);
    // The offset goes before the words are reversed, so samples stay whole whatever its value;
    // a chunk too short for its own offset and block size fields has no data.
    const std::uint64_t body = length < 8 ? 0 : length - 8;
    const std::uint64_t limited = (maxBytes != 0 && maxBytes <= body) ? maxBytes : body;
    std::uint64_t count = 0;
    m_dataLength = 0;
    if (offset < body && !fail()) {
        m_dataStart = tell() + offset;
        m_declaredLength = body - offset;
    }
    if (offset < limited && skip(offset)) {
        m_dataLength = std::min(body - offset, remaining());
        count = std::min(limited - offset, remaining());
    }
    sample.resize(static_cast<std::size_t>(count));
    readSwappedBuffer(sample, (static_cast<std::size_t>(bits) + 7) / 8, true);

    sample.m_channels = channels;
    sample.m_samplerate = samplerate;
    sample.setBitrate(containerBits(bits));
    sample.m_unsigned8Bit = false; // AIFF 8-bit values are signed
    seek(start);
    return true;
}
