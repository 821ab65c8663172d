#include "model/CFirmware.h"

#include "content/CMessage.h"
#include "flash/CErase.h"
#include "flash/CFlash.h"
#include "flash/FlashAddress.h"
#include "model/FactoryData.h"
#include "model/FactoryTables.h"
#include "model/MessageSlotRefusal.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <span>

namespace {

// Pauses before each event of a dump, in seconds.
constexpr std::uint64_t kErasePause = 3;
constexpr std::uint64_t kWritePause = 6;

constexpr std::uint8_t kSysExEnd = 0xF7;

// The last two flash blocks, whatever index the bank has been given.
constexpr unsigned kFirstBlock = 2 * factory::kSoundBankCount;
constexpr unsigned kSecondBlock = kFirstBlock + 1;

} // namespace

CFirmware::CFirmware()
    : CBank(factory::kSoundBankCount, factory::bankName(factory::kSoundBankCount))
{
    const std::span<const std::uint8_t> data = factory::firmwareData();
    std::size_t offset = 0;
    for (std::uint16_t slot = 0; slot < factory::kFirmwareContentCount; ++slot) {
        m_contentLabel.push_back(factory::firmwareContentName(slot));
        m_contentName.push_back(factory::firmwareContentName(slot));
        const std::span<const std::uint8_t> chunk = data.subspan(offset, factory::kFirmwareChunkLength[slot]);
        m_contents.push_back(new CMessage(chunk.data(), messageLength(chunk)));
        offset += chunk.size();
    }
}

std::size_t CFirmware::messageLength(std::span<const std::uint8_t> chunk)
{
    const auto end = std::find(chunk.begin(), chunk.end(), kSysExEnd);
    return end == chunk.end() ? chunk.size() : static_cast<std::size_t>(end - chunk.begin()) + 1;
}

std::span<const std::uint8_t> CFirmware::factoryForm(std::uint16_t slot)
{
    if (slot >= factory::kFirmwareContentCount)
        return {};
    std::size_t offset = 0;
    for (std::uint16_t before = 0; before < slot; ++before)
        offset += factory::kFirmwareChunkLength[before];
    return factory::firmwareData().subspan(offset, kFormLength);
}

IBank* CFirmware::clone() const
{
    return new CFirmware(*this);
}

std::uint16_t CFirmware::getContentCount() const
{
    return factory::kFirmwareContentCount;
}

const std::vector<CEvent*>& CFirmware::createEvents(std::uint16_t)
{
    deleteEvents();
    m_events[0] = new CErase(kFirstBlock, kErasePause);
    m_events[1] = new CFlash(*m_contents[0], kWritePause);
    m_events[2] = new CErase(kSecondBlock, kErasePause);
    m_events[3] = new CFlash(*m_contents[1], kWritePause);
    return m_events;
}

bool CFirmware::setContents(const std::vector<CContent*>& contents)
{
    if (contents.size() < factory::kFirmwareContentCount)
        return false;
    for (std::uint16_t slot = 0; slot < factory::kFirmwareContentCount; ++slot) {
        if (contents[slot] == nullptr || !belongsToItsBlock(slot, contents[slot]->getData()))
            return false;
    }

    deleteEvents();
    for (std::uint16_t slot = 0; slot < factory::kFirmwareContentCount; ++slot) {
        CContent* copy = contents[slot]->clone();
        delete m_contents[slot];
        m_contents[slot] = copy;
    }
    return true;
}

bool CFirmware::belongsToItsBlock(std::uint16_t index, const std::vector<std::uint8_t>& message)
{
    if (!CMessage::isSystemExclusive(message) || message.size() > CMessage::kLongestMessage
        || flash::erasedBlock(message))
        return false;
    const std::optional<unsigned> block = flash::writtenBlock(message);
    return !block || *block == kFirstBlock + index;
}

std::optional<SlotRefusal> CFirmware::sendRefusal() const
{
    for (std::uint16_t slot = 0; slot < factory::kFirmwareContentCount; ++slot) {
        if (const auto why = refusal(slot, *m_contents[slot]))
            return SlotRefusal{slot, m_contentLabel[slot],
                               audio::ImportResult::refused(*why, m_contents[slot]->getSize())};
    }
    return std::nullopt;
}

std::optional<audio::ImportResult::Refusal> CFirmware::refusal(std::uint16_t index, const CContent& content) const
{
    using Refusal = audio::ImportResult::Refusal;
    const std::vector<std::uint8_t>& message = content.getData();
    if (!CMessage::isSystemExclusive(message))
        return Refusal::NoMessage;
    if (message.size() < 3 || message[1] != CMessage::kManufacturer)
        return Refusal::ForeignMessage;
    if (flash::erasedBlock(message))
        return Refusal::EraseMessage;
    if (const std::optional<unsigned> block = flash::writtenBlock(message); block && *block != kFirstBlock + index)
        return Refusal::WrongBlock;
    const std::span<const std::uint8_t> otherForm = factoryForm(index == 0 ? 1 : 0);
    if (message.size() >= otherForm.size() && std::equal(otherForm.begin(), otherForm.end(), message.begin()))
        return Refusal::OtherSlotMessage;
    if (message.size() < kShortestMessage || message.size() > CMessage::kLongestMessage)
        return Refusal::MessageLength;
    return std::nullopt;
}

const std::vector<std::string>& CFirmware::getContentNames() const
{
    return m_contentName;
}

void CFirmware::setContentNames(const std::vector<std::string>& names)
{
    if (&names != &m_contentName)
        m_contentName = names;
}

void CFirmware::print(std::ostream& out, bool dumpData) const
{
    out << "CFirmware <" << static_cast<const void*>(this) << ">\n";
    CBank::print(out, dumpData);
}
