#include "content/CMessage.h"

#include <cstdio>
#include <memory>
#include <ostream>

namespace {

constexpr std::uint8_t kSysExStart = 0xF0;
constexpr std::uint8_t kSysExEnd = 0xF7;
constexpr std::uint8_t kManufacturer = 0x31;
constexpr std::uint8_t kFlashWriteCommand = 0x38;

// Bytes after the file's 0xF0 that are not part of the imported message.
constexpr int kSkippedHeaderBytes = 3;

} // namespace

CMessage::CMessage(const std::uint8_t* bytes, std::size_t length)
    : CContent(bytes, length)
{
}

CMessage::CMessage(unsigned block, std::uint16_t channel, std::span<CContent* const> run)
{
    m_data.assign(kFlashWriteLength, kSysExEnd);
    m_data[0] = kSysExStart;
    m_data[1] = kManufacturer;
    m_data[2] = static_cast<std::uint8_t>(0x40 | (block & 0x3F));
    m_data[3] = kFlashWriteCommand;
    m_data[4] = static_cast<std::uint8_t>(0x20 | (channel & 0x0F));

    std::uint8_t* const data = m_data.data() + kFlashWriteDataOffset;
    std::size_t position = 0;
    for (const CContent* content : run) {
        if (position >= kFlashWriteDataLength)
            break;
        if (content == nullptr)
            continue;
        const std::vector<std::uint8_t>& bytes = content->getData();
        const std::size_t room = (kFlashWriteDataLength - position) / 2;
        const std::size_t count = bytes.size() < room ? bytes.size() : room;
        for (std::size_t i = 0; i < count; ++i) {
            data[position + 2 * i] = static_cast<std::uint8_t>(bytes[i] >> 7);
            data[position + 2 * i + 1] = static_cast<std::uint8_t>(bytes[i] & 0x7F);
        }
        position += 2 * bytes.size();
    }
}

CContent* CMessage::clone() const
{
    return new CMessage(*this);
}

audio::ImportResult CMessage::load(const char* path)
{
    // C streams: a directory or a read error is an end of file here, never an exception.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), &std::fclose);
    if (!file)
        return {};

    int byte = std::fgetc(file.get());
    while (byte != EOF && byte != kSysExStart)
        byte = std::fgetc(file.get());
    if (byte == EOF)
        return {};
    for (int skipped = 0; skipped < kSkippedHeaderBytes && byte != EOF; ++skipped)
        byte = std::fgetc(file.get());

    std::vector<std::uint8_t> message{kSysExStart};
    while ((byte = std::fgetc(file.get())) != EOF) {
        message.push_back(static_cast<std::uint8_t>(byte));
        if (byte == kSysExEnd) {
            m_data = std::move(message);
            return {audio::ImportResult::Kind::Message, m_data.size(), m_data.size()};
        }
    }
    return {};
}

void CMessage::print(std::ostream& out, bool dumpData) const
{
    out << "CMessage <" << static_cast<const void*>(this) << ">:\n";
    CContent::print(out, dumpData);
}

CContent* CMessage::cloneOf(const CContent& other) const
{
    return other.clone();
}
