#include "model/MessageSlotRefusal.h"

#include "content/SysexMessage.h"
#include "model/FactoryTables.h"
#include "model/FirmwareBank.h"

#include <span>

namespace {

std::string grouped(std::size_t value)
{
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, ',');
    return digits;
}

std::string hex(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (!text.empty())
            text += ' ';
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::string holding(const audio::ImportResult& refused, const MessageSlotNeeds& needs)
{
    using Refusal = audio::ImportResult::Refusal;
    switch (refused.refusal) {
    case Refusal::BankFile:
        return "is a bank file, not a System Exclusive message";
    case Refusal::NoMessage:
        return "holds no System Exclusive message";
    case Refusal::ForeignMessage:
        return "holds a System Exclusive message that is not in the ZYLOX 515's own form";
    case Refusal::EraseMessage:
        return "holds a flash erase message, which would leave the block empty";
    case Refusal::WrongBlock:
        return "holds a flash write for another flash block";
    case Refusal::OtherSlotMessage:
        return "holds the " + needs.otherLabel + " message";
    case Refusal::MessageLength:
        return "holds a System Exclusive message of " + grouped(refused.length)
               + (refused.length == 1 ? " byte" : " bytes");
    case Refusal::NoSound:
    case Refusal::OtherSoundFormat:
    case Refusal::Undecodable:
    case Refusal::NotASound:
    case Refusal::FitOutOfReach:
        break;
    }
    return {};
}

} // namespace

MessageSlotNeeds messageSlotNeeds(std::uint16_t slot)
{
    const auto other = static_cast<std::uint16_t>(slot == 0 ? 1 : 0);
    return {FirmwareBank::kShortestMessage, SysexMessage::kLongestMessage,
            static_cast<unsigned>(2 * factory::kSoundBankCount + slot), hex(FirmwareBank::factoryForm(slot)),
            factory::firmwareContentName(other)};
}

std::string SlotRefusal::describe() const
{
    return slotLabel + " " + messageSlotRefusal(refused, slotLabel, slot);
}

std::string messageSlotRefusal(const audio::ImportResult& refused, const std::string& slotLabel, std::uint16_t slot)
{
    const MessageSlotNeeds needs = messageSlotNeeds(slot);
    const std::string holds = holding(refused, needs);
    if (holds.empty())
        return {};
    if (refused.refusal == audio::ImportResult::Refusal::OtherSlotMessage)
        return holds + "; " + slotLabel + " takes the " + slotLabel + " message, which begins " + needs.form
               + ", for flash block " + std::to_string(needs.block);
    return holds + "; " + slotLabel + " takes one ZYLOX 515 System Exclusive message of " + grouped(needs.shortest)
           + " to " + grouped(needs.longest) + " bytes for flash block " + std::to_string(needs.block);
}
