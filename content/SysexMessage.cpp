#include "content/SysexMessage.h"

#include "bytes/SourceReader.h"

#include <algorithm>
#include <array>
#include <ostream>

namespace {

constexpr std::uint8_t kSysExStart = 0xF0;
constexpr std::uint8_t kSysExEnd = 0xF7;
constexpr std::uint8_t kFlashWriteCommand = 0x38;

// The identifier of another maker that a System Exclusive file may carry after its 0xF0, where
// the device's own messages have their maker byte.
constexpr std::size_t kForeignIdentifierLength = 3;
// Bytes a System Exclusive file may hold before its message.
constexpr std::size_t kLeadingBytesAllowance = std::size_t{64} * 1024;
// How a Standard MIDI File, and so every bank file, begins.
constexpr std::array<std::uint8_t, 4> kBankFileTag{'M', 'T', 'h', 'd'};

} // namespace

SysexMessage::SysexMessage(const std::uint8_t* bytes, std::size_t length)
    : SlotContent(bytes, length)
{
}

SysexMessage::SysexMessage(unsigned block, std::uint16_t channel, std::span<SlotContent* const> run)
{
    m_data.assign(kFlashWriteLength, kSysExEnd);
    m_data[0] = kSysExStart;
    m_data[1] = kManufacturer;
    m_data[2] = static_cast<std::uint8_t>(0x40 | (block & 0x3F));
    m_data[3] = kFlashWriteCommand;
    m_data[4] = static_cast<std::uint8_t>(0x20 | (channel & 0x0F));

    std::uint8_t* const data = m_data.data() + kFlashWriteDataOffset;
    std::size_t position = 0;
    for (const SlotContent* content : run) {
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

SlotContent* SysexMessage::clone() const
{
    return new SysexMessage(*this);
}

bool SysexMessage::isSystemExclusive(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= 2 && bytes.front() == kSysExStart && bytes.back() == kSysExEnd
           && std::all_of(bytes.begin() + 1, bytes.end() - 1, [](std::uint8_t byte) { return byte < 0x80; });
}

audio::ImportResult SysexMessage::load(SourceReader& file, const audio::SoundShape&)
{
    std::vector<std::uint8_t> bytes(file.seekable() ? std::min<std::uint64_t>(file.size(), sourceLimit())
                                                    : sourceLimit());
    bytes.resize(file.readAt(0, bytes));
    const std::span<const std::uint8_t> source(bytes);
    // A bank file holds whole dumps, erases first: its first message would only ever be an erase
    // that lost its header on the way in.
    if (source.size() >= kBankFileTag.size() && std::equal(kBankFileTag.begin(), kBankFileTag.end(), source.begin()))
        return audio::ImportResult::refused(audio::ImportResult::Refusal::BankFile);
    const auto start = std::find(source.begin(), source.end(), kSysExStart);
    const auto end = std::find(start, source.end(), kSysExEnd);
    if (end == source.end())
        return audio::ImportResult::refused(audio::ImportResult::Refusal::NoMessage);
    const std::span<const std::uint8_t> found(start, end + 1);
    if (!isSystemExclusive(found))
        return audio::ImportResult::refused(audio::ImportResult::Refusal::NoMessage);
    // A message in the device's own form is kept whole: what export wrote comes back unchanged.
    const std::size_t dropped = found[1] == kManufacturer ? 0 : kForeignIdentifierLength;
    if (found.size() <= 2 + dropped)
        return audio::ImportResult::refused(audio::ImportResult::Refusal::NoMessage);
    std::vector<std::uint8_t> message{kSysExStart};
    message.insert(message.end(), found.begin() + 1 + static_cast<std::ptrdiff_t>(dropped), found.end());
    m_data = std::move(message);
    return {audio::ImportResult::Kind::Message, m_data.size(), m_data.size()};
}

std::size_t SysexMessage::sourceLimit() const
{
    return kLeadingBytesAllowance + kLongestMessage;
}

void SysexMessage::print(std::ostream& out, bool dumpData) const
{
    out << "CMessage <" << static_cast<const void*>(this) << ">:\n";
    SlotContent::print(out, dumpData);
}

SlotContent* SysexMessage::cloneOf(const SlotContent& other) const
{
    return other.clone();
}
