#include "audio/SoundChunks.h"

#include <algorithm>
#include <array>

namespace audio {

namespace {

constexpr std::uint32_t code(const char (&tag)[5])
{
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(tag[0])) << 24
           | static_cast<std::uint32_t>(static_cast<std::uint8_t>(tag[1])) << 16
           | static_cast<std::uint32_t>(static_cast<std::uint8_t>(tag[2])) << 8 | static_cast<std::uint8_t>(tag[3]);
}

std::uint32_t code(std::span<const std::uint8_t, 4> tag)
{
    return static_cast<std::uint32_t>(tag[0]) << 24 | static_cast<std::uint32_t>(tag[1]) << 16
           | static_cast<std::uint32_t>(tag[2]) << 8 | tag[3];
}

// Chunk tags are four printable characters; libsndfile stops walking at anything else.
bool printable(std::span<const std::uint8_t, 4> tag)
{
    return std::all_of(tag.begin(), tag.end(), [](std::uint8_t c) { return c >= 0x20 && c < 0x7F; });
}

// A streaming writer's data length: as much as follows.
constexpr std::uint64_t kUntilTheEnd = 0xFFFFFFFF;
// Fields before the counted entries, and the size of one.
constexpr std::uint64_t kCuePointBytes = 24;
constexpr std::uint64_t kSamplerBytes = 36;
constexpr std::uint64_t kSampleLoopBytes = 24;
constexpr std::uint64_t kDs64Bytes = 28;
// Wave64's container tag after "riff" (bytes 4 to 7 are the rest of the first of its GUIDs), and its data chunk's tag.
constexpr std::uint32_t kWave64Riff = 0xA5D628DB;
constexpr std::array<std::uint8_t, 16> kWave64Data{'d',  'a',  't',  'a',  0xF3, 0xAC, 0xD3, 0x11,
                                                   0x8C, 0xD1, 0x00, 0xC0, 0x4F, 0x8E, 0xDB, 0x8A};
// Where an AIFF marker's or comment's text length stands in it: after its id and position, or
// after its time stamp and marker.
constexpr std::uint64_t kTextLengthAt = 6;

} // namespace

SoundChunks::SoundChunks(const ReadAt& read, std::uint64_t fileSize)
    : m_read(read)
    , m_size(fileSize)
{
    std::array<std::uint8_t, 12> head{};
    if (!this->read(0, head))
        return;
    const std::uint32_t container = code(std::span<const std::uint8_t, 4>(head.data(), 4));
    const std::uint32_t form = code(std::span<const std::uint8_t, 4>(head.data() + 8, 4));
    // Neither has chunks libsndfile reads field by field, but both declare their sound's length.
    if (container == code(".snd")) {
        m_bigEndian = true;
        std::uint64_t offset = 0;
        std::uint64_t length = 0;
        m_soundCut = number(4, 4, offset) && number(8, 4, length) && length != kUntilTheEnd && offset <= m_size
                     && length > m_size - offset;
        return;
    }
    if (container == code("riff") && form == kWave64Riff) {
        m_soundCut = wave64SoundCut();
        return;
    }
    m_wave = form == code("WAVE")
             && (container == code("RIFF") || container == code("RIFX") || container == code("RF64")
                 || container == code("BW64"));
    if (!m_wave && container != code("FORM"))
        return;
    m_bigEndian = container != code("RIFF") && container != code("RF64") && container != code("BW64");
    m_fit = walkTop(12);
}

bool SoundChunks::walkTop(std::uint64_t at)
{
    std::array<std::uint8_t, 8> header{};
    while (at <= m_size && m_size - at >= header.size()) {
        if (++m_chunks > kMostChunks)
            return false;
        const std::span<const std::uint8_t, 4> tag(header.data(), 4);
        std::uint64_t length = 0;
        if (!read(at, header) || !printable(tag) || !number(at + 4, 4, length))
            return true;
        const std::uint32_t id = code(tag);
        const std::uint64_t body = at + header.size();
        const std::uint64_t held = m_size - body;
        if (id == code("data") || id == code("SSND")) {
            const bool wide = m_wave && m_rf64DataLength != 0 && length == kUntilTheEnd;
            const std::uint64_t declared = wide ? m_rf64DataLength : length;
            if (declared > held) {
                // The file ends within its sound: nothing after it to walk.
                m_soundCut = wide || declared != kUntilTheEnd;
                return true;
            }
        } else if (!entriesFit(id, body, length)) {
            return false;
        } else if (length > held) {
            // Skipped whole by every parser, so the walk ends with the file.
            return true;
        }
        at = body + length + (length & 1);
    }
    return true;
}

bool SoundChunks::wave64SoundCut()
{
    // Chunks from byte 40: a 16-byte tag, a 64-bit size that counts the 24 bytes of both, 8-byte alignment.
    std::array<std::uint8_t, 16> tag{};
    for (std::uint64_t at = 40; at <= m_size && m_size - at >= 24; ++m_chunks) {
        std::uint64_t size = 0;
        if (m_chunks >= kMostChunks || !read(at, tag) || !number(at + 16, 8, size) || size < 24)
            return false;
        if (std::equal(tag.begin(), tag.end(), kWave64Data.begin()))
            return size - 24 > m_size - at - 24;
        if (size > m_size - at)
            return false;
        at += (size + 7) / 8 * 8;
    }
    return false;
}

bool SoundChunks::entriesFit(std::uint32_t id, std::uint64_t body, std::uint64_t length)
{
    const std::uint64_t held = m_size - body;
    std::uint64_t count = 0;
    if (m_wave) {
        if (id == code("LIST"))
            return length <= held && length >= 4 && walkList(body + 4, length - 4);
        // An INFO chunk outside a LIST is read as the sub-chunks of one.
        if (id == code("INFO"))
            return length <= held && walkList(body, length);
        if (id == code("cue "))
            return length <= held && length >= 4 && number(body, 4, count) && count <= (length - 4) / kCuePointBytes;
        if (id == code("smpl"))
            return length <= held && length >= kSamplerBytes && number(body + 28, 4, count)
                   && count <= (length - kSamplerBytes) / kSampleLoopBytes;
        if (id == code("ds64"))
            return length <= held && length >= kDs64Bytes && number(body + 8, 8, m_rf64DataLength);
        return true;
    }
    if (id == code("MARK"))
        return length <= held && pascalEntriesFit(body, length, 1);
    if (id == code("COMT"))
        return length <= held && pascalEntriesFit(body, length, 2);
    return true;
}

bool SoundChunks::walkList(std::uint64_t at, std::uint64_t length)
{
    const std::uint64_t end = at + length;
    std::array<std::uint8_t, 8> header{};
    while (end - at >= header.size()) {
        if (++m_chunks > kMostChunks || !read(at, header))
            return false;
        const std::span<const std::uint8_t, 4> tag(header.data(), 4);
        const std::uint32_t id = code(tag);
        // Zeros where a sub-chunk would start: the rest of the list is padding.
        if (id == 0)
            return true;
        // libsndfile reads these tags inside a list as the start of another structure, not as a sub-chunk.
        if (!printable(tag) || id == code("INFO") || id == code("adtl") || id == code("exif") || id == code("data"))
            return false;
        std::uint64_t size = 0;
        if (!number(at + 4, 4, size) || size > end - at - header.size())
            return false;
        // The last sub-chunk's pad byte may lie past the list's end.
        at = std::min(end, at + header.size() + size + (size & 1));
    }
    return true;
}

bool SoundChunks::pascalEntriesFit(std::uint64_t body, std::uint64_t length, std::uint64_t textLengthBytes)
{
    std::uint64_t count = 0;
    if (length < 2 || !number(body, 2, count))
        return false;
    const std::uint64_t end = body + length;
    std::uint64_t at = body + 2;
    for (; count > 0; --count) {
        std::uint64_t text = 0;
        if (++m_chunks > kMostChunks || at > end || end - at < kTextLengthAt + textLengthBytes
            || !number(at + kTextLengthAt, textLengthBytes, text))
            return false;
        const std::uint64_t entry = kTextLengthAt + textLengthBytes + text;
        if (entry > end - at)
            return false;
        at += entry + (entry & 1);
    }
    return true;
}

bool SoundChunks::number(std::uint64_t offset, std::size_t bytes, std::uint64_t& value) const
{
    std::array<std::uint8_t, 8> digits{};
    if (bytes > digits.size() || !read(offset, std::span(digits.data(), bytes)))
        return false;
    value = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        value |= static_cast<std::uint64_t>(digits[m_bigEndian ? bytes - 1 - i : i]) << (8 * i);
    return true;
}

bool SoundChunks::read(std::uint64_t offset, std::span<std::uint8_t> into) const
{
    return offset <= m_size && m_size - offset >= into.size() && m_read(offset, into) == into.size();
}

} // namespace audio
