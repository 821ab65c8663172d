#include "model/SoundBank.h"

#include "content/DeviceSample.h"
#include "content/SysexMessage.h"
#include "flash/FlashAddress.h"
#include "flash/FlashErase.h"
#include "flash/FlashWrite.h"
#include "model/FactoryData.h"
#include "model/FactoryTables.h"

#include <memory>
#include <optional>
#include <ostream>
#include <span>

namespace {

// Pauses before each event of a dump, in seconds.
constexpr std::uint64_t kErasePause = 3;
constexpr std::uint64_t kWritePause = 6;

} // namespace

SoundBank::SoundBank(std::uint16_t index)
    : BankBase(index, factory::bankName(index))
{
    // An index past the last sound bank gets silence rather than bytes beyond the factory data.
    const std::span<const std::uint8_t> data = factory::sampleData();
    const bool hasImage = index < factory::kSoundBankCount;
    std::size_t offset = static_cast<std::size_t>(index) * factory::kSoundImageLength;
    for (std::uint16_t slot = 0; slot < factory::kSoundSlotCount; ++slot) {
        m_contentLabel.push_back(factory::contentName(slot));
        m_contentName.push_back(factory::contentName(slot));
        const std::size_t length = factory::kSlotLength[slot];
        if (hasImage) {
            m_contents.push_back(new DeviceSample(data.data() + offset, length));
        } else {
            const std::vector<std::uint8_t> silence(length, factory::kSilence);
            m_contents.push_back(new DeviceSample(silence.data(), length));
        }
        offset += length;
    }
}

IBank* SoundBank::clone() const
{
    return new SoundBank(*this);
}

std::uint16_t SoundBank::getContentCount() const
{
    return factory::kSoundSlotCount;
}

const std::vector<FlashEvent*>& SoundBank::createEvents(std::uint16_t channel)
{
    deleteEvents();
    const auto firstBlock = static_cast<std::uint16_t>(2 * m_index);
    const auto secondBlock = static_cast<std::uint16_t>(firstBlock + 1);
    const std::span<SlotContent* const> slots(m_contents);
    m_events[0] = new FlashErase(firstBlock, kErasePause);
    m_events[1] = new FlashWrite(std::make_unique<SysexMessage>(firstBlock, channel, slots), kWritePause);
    m_events[2] = new FlashErase(secondBlock, kErasePause);
    m_events[3] = new FlashWrite(
        std::make_unique<SysexMessage>(secondBlock, channel, slots.subspan(factory::kSecondBlockFirstSlot)),
        kWritePause);
    return m_events;
}

bool SoundBank::setContents(const std::vector<SlotContent*>& contents)
{
    if (contents.size() < 2)
        return false;
    std::optional<unsigned> blocks[2];
    for (int i = 0; i < 2; ++i) {
        if (contents[i] == nullptr || contents[i]->getSize() != SysexMessage::kFlashWriteLength
            || !SysexMessage::isSystemExclusive(contents[i]->getData()))
            return false;
        blocks[i] = flash::writtenBlock(contents[i]->getData());
    }
    // The two blocks of one sound bank, in order; the firmware's blocks are not a sound bank's.
    if (!blocks[0] || !blocks[1] || *blocks[0] % 2 != 0 || *blocks[1] != *blocks[0] + 1
        || *blocks[0] / 2 >= factory::kSoundBankCount)
        return false;

    m_index = static_cast<std::uint16_t>(*blocks[0] / 2);
    decodeFlashWrite(*contents[0], 0);
    decodeFlashWrite(*contents[1], factory::kSecondBlockFirstSlot);
    return true;
}

void SoundBank::decodeFlashWrite(const SlotContent& message, std::uint16_t firstSlot)
{
    const std::uint8_t* data = message.getData().data() + SysexMessage::kFlashWriteDataOffset;
    std::size_t position = 0;
    for (std::size_t slot = firstSlot; slot < m_contents.size(); ++slot) {
        if (position >= SysexMessage::kFlashWriteDataLength)
            break;
        std::vector<std::uint8_t>& bytes = m_contents[slot]->getData();
        const std::size_t room = (SysexMessage::kFlashWriteDataLength - position) / 2;
        const std::size_t count = bytes.size() < room ? bytes.size() : room;
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t high = data[position + 2 * i];
            const std::uint8_t low = data[position + 2 * i + 1];
            bytes[i] = static_cast<std::uint8_t>(((high & 1) << 7) | low);
        }
        position += 2 * bytes.size();
    }
}

const std::vector<std::string>& SoundBank::getContentNames() const
{
    return m_contentName;
}

void SoundBank::setContentNames(const std::vector<std::string>& names)
{
    if (&names != &m_contentName)
        m_contentName = names;
}

void SoundBank::print(std::ostream& out, bool dumpData) const
{
    out << "CSound <" << static_cast<const void*>(this) << ">\n";
    BankBase::print(out, dumpData);
}
