#include "model/FirmwareBank.h"

#include "content/SysexMessage.h"
#include "flash/FlashAddress.h"
#include "flash/FlashErase.h"
#include "flash/FlashWrite.h"
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

FirmwareBank::FirmwareBank()
    : BankBase(factory::kSoundBankCount, factory::bankName(factory::kSoundBankCount))
{
    const std::span<const std::uint8_t> data = factory::firmwareData();
    std::size_t offset = 0;
    for (std::uint16_t slot = 0; slot < factory::kFirmwareContentCount; ++slot) {
        m_contentLabel.push_back(factory::firmwareContentName(slot));
        m_contentName.push_back(factory::firmwareContentName(slot));
        const std::span<const std::uint8_t> chunk = data.subspan(offset, factory::kFirmwareChunkLength[slot]);
        m_contents.push_back(new SysexMessage(chunk.data(), messageLength(chunk)));
        offset += chunk.size();
    }
}

std::size_t FirmwareBank::messageLength(std::span<const std::uint8_t> chunk)
{
    const auto end = std::find(chunk.begin(), chunk.end(), kSysExEnd);
    return end == chunk.end() ? chunk.size() : static_cast<std::size_t>(end - chunk.begin()) + 1;
}

std::span<const std::uint8_t> FirmwareBank::factoryForm(std::uint16_t slot)
{
    if (slot >= factory::kFirmwareContentCount)
        return {};
    std::size_t offset = 0;
    for (std::uint16_t before = 0; before < slot; ++before)
        offset += factory::kFirmwareChunkLength[before];
    return factory::firmwareData().subspan(offset, kFormLength);
}

IBank* FirmwareBank::clone() const
{
    return new FirmwareBank(*this);
}

std::uint16_t FirmwareBank::getContentCount() const
{
    return factory::kFirmwareContentCount;
}

const std::vector<FlashEvent*>& FirmwareBank::createEvents(std::uint16_t)
{
    deleteEvents();
    m_events[0] = new FlashErase(kFirstBlock, kErasePause);
    m_events[1] = new FlashWrite(*m_contents[0], kWritePause);
    m_events[2] = new FlashErase(kSecondBlock, kErasePause);
    m_events[3] = new FlashWrite(*m_contents[1], kWritePause);
    return m_events;
}

bool FirmwareBank::setContents(const std::vector<SlotContent*>& contents)
{
    if (contents.size() < factory::kFirmwareContentCount)
        return false;
    for (std::uint16_t slot = 0; slot < factory::kFirmwareContentCount; ++slot) {
        if (contents[slot] == nullptr || !belongsToItsBlock(slot, contents[slot]->getData()))
            return false;
    }

    deleteEvents();
    for (std::uint16_t slot = 0; slot < factory::kFirmwareContentCount; ++slot) {
        SlotContent* copy = contents[slot]->clone();
        delete m_contents[slot];
        m_contents[slot] = copy;
    }
    return true;
}

bool FirmwareBank::belongsToItsBlock(std::uint16_t index, const std::vector<std::uint8_t>& message)
{
    if (!SysexMessage::isSystemExclusive(message) || message.size() > SysexMessage::kLongestMessage
        || flash::erasedBlock(message))
        return false;
    const std::optional<unsigned> block = flash::writtenBlock(message);
    return !block || *block == kFirstBlock + index;
}

std::optional<SlotRefusal> FirmwareBank::sendRefusal() const
{
    for (std::uint16_t slot = 0; slot < factory::kFirmwareContentCount; ++slot) {
        if (const auto why = refusal(slot, *m_contents[slot]))
            return SlotRefusal{slot, m_contentLabel[slot],
                               audio::ImportResult::refused(*why, m_contents[slot]->getSize())};
    }
    return std::nullopt;
}

std::optional<audio::ImportResult::Refusal> FirmwareBank::refusal(std::uint16_t index, const SlotContent& content) const
{
    using Refusal = audio::ImportResult::Refusal;
    const std::vector<std::uint8_t>& message = content.getData();
    if (!SysexMessage::isSystemExclusive(message))
        return Refusal::NoMessage;
    if (message.size() < 3 || message[1] != SysexMessage::kManufacturer)
        return Refusal::ForeignMessage;
    if (flash::erasedBlock(message))
        return Refusal::EraseMessage;
    if (const std::optional<unsigned> block = flash::writtenBlock(message); block && *block != kFirstBlock + index)
        return Refusal::WrongBlock;
    const std::span<const std::uint8_t> otherForm = factoryForm(index == 0 ? 1 : 0);
    if (message.size() >= otherForm.size() && std::equal(otherForm.begin(), otherForm.end(), message.begin()))
        return Refusal::OtherSlotMessage;
    if (message.size() < kShortestMessage || message.size() > SysexMessage::kLongestMessage)
        return Refusal::MessageLength;
    return std::nullopt;
}

const std::vector<std::string>& FirmwareBank::getContentNames() const
{
    return m_contentName;
}

void FirmwareBank::setContentNames(const std::vector<std::string>& names)
{
    if (&names != &m_contentName)
        m_contentName = names;
}

void FirmwareBank::print(std::ostream& out, bool dumpData) const
{
    out << "CFirmware <" << static_cast<const void*>(this) << ">\n";
    BankBase::print(out, dumpData);
}
