#include "model/MessageSlotRefusal.h"

#include "content/SysexMessage.h"
#include "model/FactoryTables.h"
#include "model/FirmwareBank.h"

#include <span>

namespace {

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

Text holding(const audio::ImportResult& refused, const MessageSlotNeeds& needs)
{
    using Refusal = audio::ImportResult::Refusal;
    switch (refused.refusal) {
    case Refusal::BankFile:
        return ZYLOX_TR("MessageSlotRefusal", "is a bank file, not a System Exclusive message");
    case Refusal::NoMessage:
        return ZYLOX_TR("MessageSlotRefusal", "holds no System Exclusive message");
    case Refusal::ForeignMessage:
        return ZYLOX_TR("MessageSlotRefusal",
                        "holds a System Exclusive message that is not in the ZYLOX 515's own form");
    case Refusal::EraseMessage:
        return ZYLOX_TR("MessageSlotRefusal", "holds a flash erase message, which would leave the block empty");
    case Refusal::WrongBlock:
        return ZYLOX_TR("MessageSlotRefusal", "holds a flash write for another flash block");
    case Refusal::OtherSlotMessage:
        //: The other firmware slot's label: "holds the PRESETS message"
        return {ZYLOX_TR("MessageSlotRefusal", "holds the %1 message"), {needs.otherLabel}};
    case Refusal::MessageLength:
        return {ZYLOX_TR_N("MessageSlotRefusal", "holds a System Exclusive message of %1 bytes",
                           "holds a System Exclusive message of %1 byte"),
                {TextArgument::count(static_cast<long long>(refused.length))},
                static_cast<long long>(refused.length)};
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

Text SlotRefusal::text() const
{
    //: A firmware slot's label, then what it holds and what it takes: "PRESETS holds ...; PRESETS takes ..."
    return {ZYLOX_TR("MessageSlotRefusal", "%1 %2"), {slotLabel, messageSlotRefusalText(refused, slotLabel, slot)}};
}

Text messageSlotRefusalText(const audio::ImportResult& refused, const std::string& slotLabel, std::uint16_t slot)
{
    const MessageSlotNeeds needs = messageSlotNeeds(slot);
    const Text holds = holding(refused, needs);
    if (holds.empty())
        return {};
    if (refused.refusal == audio::ImportResult::Refusal::OtherSlotMessage)
        //: What the file holds, then the firmware slot's label twice and how its own message begins
        return {ZYLOX_TR("MessageSlotRefusal", "%1; %2 takes the %2 message, which begins %3, for flash block %4"),
                {holds, slotLabel, needs.form, TextArgument::number(needs.block)}};
    //: What the file holds, then what the firmware slot takes
    return {ZYLOX_TR("MessageSlotRefusal",
                     "%1; %2 takes one ZYLOX 515 System Exclusive message of %3 to %4 bytes for flash block %5"),
            {holds, slotLabel, TextArgument::count(static_cast<long long>(needs.shortest)),
             TextArgument::count(static_cast<long long>(needs.longest)), TextArgument::number(needs.block)}};
}
