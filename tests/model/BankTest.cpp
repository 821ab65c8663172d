#include "content/SysexMessage.h"
#include "flash/FlashEvent.h"
#include "model/FactoryBank.h"
#include "model/FactoryData.h"
#include "model/FirmwareBank.h"
#include "model/MessageSlotRefusal.h"
#include "model/SoundBank.h"
#include "tests/support/Bytes.h"
#include "tests/support/PrintedContent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <sstream>
#include <tuple>
#include <vector>

namespace {

Bytes imageOf(const IBank& bank)
{
    Bytes image;
    for (std::uint16_t slot = 0; slot < bank.getContentCount(); ++slot) {
        const Bytes& bytes = bank.getContent(slot)->getData();
        image.insert(image.end(), bytes.begin(), bytes.end());
    }
    return image;
}

TEST(FactoryBanks, EveryRowHoldsTheBankOfItsIndexAndTheLastTheFirmware)
{
    const std::vector<std::unique_ptr<IBank>> banks = factory::makeBanks();
    ASSERT_EQ(banks.size(), 32u);
    for (std::size_t row = 0; row < banks.size(); ++row) {
        const bool sound = row < 31;
        EXPECT_EQ(banks[row]->getIndex(), row);
        EXPECT_EQ(banks[row]->getName(), factory::makeBank(row)->getName());
        EXPECT_EQ(factory::isSoundRow(row), sound);
        EXPECT_EQ(banks[row]->isSampleContent(0), sound) << row;
        EXPECT_EQ(factory::slotCount(row), banks[row]->getContentCount()) << row;
    }
    EXPECT_EQ(factory::slotCount(4), 6u);
    EXPECT_EQ(factory::slotCount(31), 2u);
    EXPECT_FALSE(factory::makeBank(40)->isSampleContent(0));
}

TEST(FactorySoundBanks, EachItsOwnImageStartingAndEndingOnTheZeroLineUnclipped)
{
    const auto data = factory::sampleData();
    ASSERT_EQ(data.size(), 31 * 0x20000u);
    for (std::uint16_t bank = 0; bank < 31; ++bank) {
        const SoundBank sound(bank);
        EXPECT_EQ(imageOf(sound), Bytes(data.begin() + bank * 0x20000, data.begin() + (bank + 1) * 0x20000));
        for (std::uint16_t slot = 0; slot < 6; ++slot) {
            SCOPED_TRACE(std::to_string(bank) + "/" + std::to_string(slot));
            const Bytes& bytes = sound.getContent(slot)->getData();
            EXPECT_EQ(bytes.front(), 0x80);
            EXPECT_EQ(bytes.back(), 0x80);
            const auto [low, high] = std::minmax_element(bytes.begin(), bytes.end());
            EXPECT_GT(*low, 0x00);
            EXPECT_LT(*high, 0xFF);
            EXPECT_GT(*high - *low, 150) << "not silence";
        }
    }
}

TEST(SoundBank, DumpRoundTripsEveryByteValueIntoACloneThatRefusesWhatCannotFillItAndGuardsItsSlots)
{
    SoundBank seven(7);
    const std::vector<FlashEvent*>& stale = seven.createEvents(0);
    for (std::uint16_t slot = 0; slot < 6; ++slot) {
        Bytes& bytes = const_cast<SlotContent*>(seven.getContent(slot))->getData();
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 31 + slot);
    }
    // A second call replaces the events in the same list and sees the slots as they are now.
    const std::vector<FlashEvent*>& events = seven.createEvents(16 + 9);
    EXPECT_EQ(&events, &stale);
    Bytes heads;
    for (std::size_t i = 0; i < 4; ++i) {
        heads.insert(heads.end(), events[i]->getData().begin(), events[i]->getData().begin() + 5);
        EXPECT_EQ(events[i]->getSize(), i % 2 == 0 ? 6u : 131078u);
        EXPECT_EQ(events[i]->getData().back(), 0xF7);
        EXPECT_EQ(events[i]->getOffset(), i % 2 == 0 ? 3u : 6u);
    }
    // Erase and write each of the bank's two blocks, the channel cut to four bits.
    EXPECT_EQ(heads, (Bytes{0xF0, 0x31, 0x0D, 0x79, 0x0E, 0xF0, 0x31, 0x4E, 0x38, 0x29,
                            0xF0, 0x31, 0x0D, 0x79, 0x0F, 0xF0, 0x31, 0x4F, 0x38, 0x29}));
    // Slot 4 opens the second block's data, slot 5 follows at byte 65,541.
    EXPECT_EQ(Bytes(events[3]->getData().begin() + 5, events[3]->getData().begin() + 7), (Bytes{0, 4}));
    EXPECT_EQ(Bytes(events[3]->getData().begin() + 65541, events[3]->getData().begin() + 65543), (Bytes{0, 5}));

    SlotContent* first = events[1]->getMessage();
    const std::unique_ptr<SlotContent> shortMessage(events[3]->getMessage()->clone());
    shortMessage->getData().pop_back();
    SoundBank two(2);
    two.setName("kept");
    const std::unique_ptr<IBank> target(SoundBank(1).cloneOf(two));
    for (const std::vector<SlotContent*>& refused : std::vector<std::vector<SlotContent*>>{
             {}, {first}, {first, shortMessage.get()}, {shortMessage.get(), first}, {first, nullptr}})
        EXPECT_FALSE(target->setContents(refused)) << refused.size();
    EXPECT_EQ(target->getIndex(), 2);
    EXPECT_EQ(imageOf(*target), imageOf(two));
    ASSERT_TRUE(target->setContents({first, events[3]->getMessage()}));
    EXPECT_EQ(target->getIndex(), 7);
    EXPECT_EQ(target->getName(), "kept");
    EXPECT_EQ(imageOf(*target), imageOf(seven));
    EXPECT_TRUE(target->isSampleContent(5));
    EXPECT_EQ(imageOf(two), imageOf(SoundBank(2)));

    // Past the last slot nothing changes; a bank given too few names still records an import.
    const Bytes hat(100, 0x90);
    const audio::SoundShape raw{true};
    EXPECT_FALSE(target->importContent(6, hat, "in/hat.aif", raw));
    target->setContentName(6, "x");
    EXPECT_EQ(target->getContentNames().size(), 6u);
    EXPECT_EQ(target->getContentLabel(6), "");
    EXPECT_FALSE(target->isSampleContent(6));
    target->setContentNames({"one"});
    EXPECT_TRUE(target->importContent(2, hat, "in/hat.aif", raw));
    EXPECT_EQ(target->getContentNames(), (std::vector<std::string>{"one", "CLOSED HI HAT", "hat.aif"}));
}

TEST(SoundBank, PutSoundTakesExactlyASampleSlotsLengthOfBytesAndRefusesEverythingElseUnchanged)
{
    SoundBank bank(3);
    const Bytes before = imageOf(bank);
    const std::size_t length = bank.getContent(2)->getSize();
    for (const std::size_t wrong : {std::size_t{0}, length - 1, length + 1})
        EXPECT_FALSE(bank.putSound(2, Bytes(wrong, 0x90), "wrong.wav")) << wrong;
    EXPECT_FALSE(bank.putSound(6, Bytes(length, 0x90), "past.wav"));
    EXPECT_EQ(imageOf(bank), before);
    EXPECT_EQ(bank.getContentName(2), SoundBank(3).getContentName(2));

    Bytes shaped(length);
    for (std::size_t i = 0; i < length; ++i)
        shaped[i] = static_cast<std::uint8_t>(i * 7);
    ASSERT_TRUE(bank.putSound(2, shaped, "shaped kick"));
    EXPECT_EQ(bank.getContent(2)->getData(), shaped);
    EXPECT_EQ(bank.getContentName(2), "shaped kick");
    const std::unique_ptr<IBank> copy(bank.clone());
    EXPECT_EQ(imageOf(*copy), imageOf(bank));

    // A firmware slot holds messages, never a rendered sound.
    FirmwareBank firmware;
    const Bytes message = firmware.getContent(0)->getData();
    EXPECT_FALSE(firmware.putSound(0, Bytes(message.size(), 0x80), "noise"));
    EXPECT_EQ(firmware.getContent(0)->getData(), message);
}

TEST(FirmwareBank, DumpsItsStoredMessagesTakesCopiesOfTwoAndPrintsEveryField)
{
    const Bytes presets = deviceMessage(1024, 0x01);
    const Bytes os = deviceMessage(1024, 0x02);
    FirmwareBank bank;
    bank.setIndex(3);
    const std::vector<FlashEvent*>& events = bank.createEvents(9);
    // The firmware sends its stored messages to the last two blocks on any channel, whatever its index.
    EXPECT_EQ(events[0]->getData(), (Bytes{0xF0, 0x31, 0x0D, 0x79, 0x3E, 0xF7}));
    EXPECT_EQ(events[2]->getData(), (Bytes{0xF0, 0x31, 0x0D, 0x79, 0x3F, 0xF7}));
    EXPECT_EQ(events[3]->getMessage(), bank.getContent(1));
    // Each factory chunk holds one message, with no top bit set between its F0 and F7, then zeros.
    const Bytes heads[] = {{0xF0, 0x31, 0x40, 0x38, 0x00}, {0xF0, 0x31, 0x7F, 0x38, 0x10}};
    for (std::uint16_t slot = 0; slot < 2; ++slot) {
        const Bytes& message = bank.getContent(slot)->getData();
        const auto chunk = factory::firmwareData().subspan(slot * 131078u, 131078);
        EXPECT_EQ(Bytes(message.begin(), message.begin() + 5), heads[slot]);
        EXPECT_EQ(message.back(), 0xF7);
        EXPECT_EQ(std::count_if(message.begin(), message.end(), [](std::uint8_t b) { return b >= 0x80; }), 2);
        EXPECT_TRUE(std::equal(message.begin(), message.end(), chunk.begin()));
        EXPECT_TRUE(std::all_of(chunk.begin() + message.size(), chunk.end(), [](std::uint8_t b) { return b == 0; }));
    }
    EXPECT_FALSE(bank.setContents({events[3]->getMessage()}));
    EXPECT_FALSE(bank.setContents({events[3]->getMessage(), nullptr}));
    EXPECT_EQ(events[1]->getMessage(), bank.getContent(0));
    EXPECT_EQ(bank.getContent(0)->getSize(), 130950u);
    // A factory chunk without F7 would be taken whole, never read past.
    EXPECT_EQ(FirmwareBank::messageLength(Bytes{0xF0, 0x31, 0x40, 0x00, 0x00}), 5u);
    EXPECT_EQ(FirmwareBank::messageLength(Bytes{0xF0, 0xF7, 0x00, 0xF7}), 2u);
    // The given messages are gone once the call returns.
    ASSERT_TRUE(bank.setContents({std::make_unique<SysexMessage>(presets.data(), presets.size()).get(),
                                  std::make_unique<SysexMessage>(os.data(), os.size()).get()}));
    bank.setContentName(1, "new OS");
    // Each content prints itself with its dump (ContentPrint, Events); here the bank's own fields.
    const auto expectPrint = [&](const IBank& shown) {
        EXPECT_EQ(shown.getContent(0)->getData(), presets);
        EXPECT_EQ(shown.getContent(1)->getData(), os);
        std::ostringstream out, contents[2];
        shown.print(out, true);
        for (std::uint16_t slot = 0; slot < 2; ++slot)
            shown.getContent(slot)->print(contents[slot], true);
        EXPECT_EQ(out.str(), "CFirmware <" + addressOf(dynamic_cast<const void*>(&shown))
                                 + ">\nm_index: 3\n"
                                   "m_name: FIRMWARE - factory -\nm_contentLabel[0]: PRESETS\nm_contentLabel[1]: OS\n"
                                   "m_contentName[0]: PRESETS\nm_contentName[1]: new OS\nm_contents[0]: "
                                 + contents[0].str() + "m_contents[1]: " + contents[1].str()
                                 + "m_events[0]: 0x00000000\nm_events[1]: 0x00000000\nm_events[2]: 0x00000000\n"
                                   "m_events[3]: 0x00000000\n");
    };
    expectPrint(bank);
    // A clone has its own messages and no events, even when its source's were built.
    bank.createEvents(0);
    const std::unique_ptr<IBank> copy(bank.clone());
    expectPrint(*copy);
    EXPECT_NE(copy->getContent(1), bank.getContent(1));
}

TEST(FlashBlocks, EachBankTakesOnlyMessagesForItsOwnBlocks)
{
    const FirmwareBank factoryFirmware;
    const Bytes presets = factoryFirmware.getContent(0)->getData();
    const Bytes os = factoryFirmware.getContent(1)->getData();
    Bytes unclean = flashWrite(14);
    unclean[1000] = 0x90;
    const Bytes erase62{0xF0, 0x31, 0x0D, 0x79, 0x3E, 0xF7};
    const Bytes other{0xF0, 0x7D, 0x01, 0xF7};
    // The two messages, whether a sound bank takes them (and as which index), whether the firmware bank does.
    const std::tuple<Bytes, Bytes, int, bool> cases[] = {
        {flashWrite(14), flashWrite(15), 7, false},
        {flashWrite(60), flashWrite(61), 30, false},
        {flashWrite(15), flashWrite(14), -1, false},
        {flashWrite(14), flashWrite(17), -1, false},
        {unclean, flashWrite(15), -1, false},
        {flashWrite(62), flashWrite(63), -1, true},
        {flashWrite(63), flashWrite(62), -1, false},
        {flashWrite(14, 0x00), flashWrite(15, 0x10), -1, true},
        {presets, os, -1, true},
        {other, flashWrite(63), -1, true},
        {erase62, os, -1, false},
        {presets, flashWrite(15), -1, false},
    };
    for (const auto& [first, second, soundIndex, firmwareTakes] : cases) {
        SCOPED_TRACE(
            ::testing::PrintToString(Bytes(first.begin(), first.begin() + std::min<std::size_t>(first.size(), 5))) + " "
            + ::testing::PrintToString(Bytes(second.begin(), second.begin() + 5)));
        SysexMessage a(first.data(), first.size());
        SysexMessage b(second.data(), second.size());
        SoundBank sound(3);
        EXPECT_EQ(sound.setContents({&a, &b}), soundIndex >= 0);
        EXPECT_EQ(sound.getIndex(), soundIndex >= 0 ? soundIndex : 3);
        FirmwareBank firmware;
        EXPECT_EQ(firmware.setContents({&a, &b}), firmwareTakes);
        EXPECT_EQ(imageOf(firmware), firmwareTakes ? concat({first, second}) : imageOf(factoryFirmware));
    }
}

TEST(FlashBlocks, FirmwareSlotsTakeOnlyAMessageASendCanPutIntoTheirBlock)
{
    using Refusal = audio::ImportResult::Refusal;
    const FirmwareBank factory;
    const Bytes presets = factory.getContent(0)->getData();
    const Bytes os = factory.getContent(1)->getData();
    Bytes foreignIdentifier = deviceMessage(2000);
    foreignIdentifier.insert(foreignIdentifier.begin() + 1, {0x00, 0x20, 0x33});
    Bytes otherMaker = deviceMessage(2000);
    otherMaker[1] = 0x43;
    // A message of 2,000 bytes that begins as given.
    const auto inForm = [](const Bytes& start) {
        Bytes message = deviceMessage(2000);
        std::copy(start.begin(), start.end(), message.begin());
        return message;
    };
    // The start of a bank file of S05: header, track, then the erase of block 8 as a MIDI event.
    const Bytes bankFile
        = concat({chunk("MThd", {0, 0, 0, 1, 0, 24}),
                  chunk("MTrk", {0x00, 0xF0, 0x05, 0x31, 0x0D, 0x79, 0x08, 0xF7, 0x00, 0xFF, 0x2F, 0x00})});
    // The file, the slot, why it is refused (none: taken) and the length a refusal reports.
    const std::tuple<Bytes, std::uint16_t, std::optional<Refusal>, std::size_t> cases[] = {
        {flashWrite(62), 0, std::nullopt, 0},
        {flashWrite(63), 1, std::nullopt, 0},
        {presets, 0, std::nullopt, 0},
        {os, 1, std::nullopt, 0},
        {foreignIdentifier, 0, std::nullopt, 0},
        {deviceMessage(1024), 1, std::nullopt, 0},
        {inForm({0xF0, 0x31, 0x7F, 0x38, 0x11}), 0, std::nullopt, 0},
        {inForm({0xF0, 0x31, 0x40, 0x38, 0x10}), 1, std::nullopt, 0},
        // Each slot's message in the other's slot: its dump would erase the block and write the other.
        {presets, 1, Refusal::OtherSlotMessage, 130950},
        {os, 0, Refusal::OtherSlotMessage, 114182},
        {inForm({0xF0, 0x31, 0x40, 0x38, 0x00}), 1, Refusal::OtherSlotMessage, 2000},
        {inForm({0xF0, 0x00, 0x20, 0x33, 0x31, 0x7F, 0x38, 0x10}), 0, Refusal::OtherSlotMessage, 1997},
        {bankFile, 0, Refusal::BankFile, 0},
        {flashWrite(63), 0, Refusal::WrongBlock, 131078},
        {flashWrite(4), 0, Refusal::WrongBlock, 131078},
        {{0xF0, 0x31, 0x0D, 0x79, 0x3F, 0xF7}, 1, Refusal::EraseMessage, 6},
        {{0xF0, 0x00, 0x20, 0x33, 0x31, 0x0D, 0x79, 0x3E, 0xF7}, 0, Refusal::EraseMessage, 6},
        {{0xF0, 0x31, 0x7E, 0x38, 0xF7}, 0, Refusal::MessageLength, 5},
        {deviceMessage(1023), 0, Refusal::MessageLength, 1023},
        {deviceMessage(131079), 1, Refusal::MessageLength, 131079},
        {otherMaker, 0, Refusal::ForeignMessage, 1997},
        {{'R', 'I', 'F', 'F', 0xF0, 0x31, 0x7F, 0x90, 0xF7}, 0, Refusal::NoMessage, 0},
    };
    for (const auto& [file, slot, refusal, length] : cases) {
        SCOPED_TRACE(::testing::PrintToString(Bytes(file.begin(), file.begin() + 5)) + " "
                     + std::to_string(file.size()));
        FirmwareBank firmware;
        const Bytes before = imageOf(firmware);
        const audio::ImportResult result = firmware.importContent(slot, file, "new.syx", {});
        EXPECT_EQ(result ? std::nullopt : std::optional(result.refusal), refusal);
        EXPECT_EQ(firmware.getContentName(slot), result ? "new.syx" : slot == 0 ? "PRESETS" : "OS");
        if (result) {
            // Taken byte for byte, less another maker's identifier: what export writes comes back.
            EXPECT_EQ(firmware.getContent(slot)->getData(), file == foreignIdentifier ? deviceMessage(2000) : file);
        } else {
            EXPECT_EQ(imageOf(firmware), before);
            EXPECT_EQ(result.length, length);
        }
    }
    // The words both programs show for the refusals no send's check meets.
    const std::pair<Bytes, std::string> said[]
        = {{bankFile, "is a bank file, not a System Exclusive message"},
           {{0xF0, 0x31, 0x0D, 0x79, 0x3E, 0xF7}, "holds a flash erase message, which would leave the block empty"},
           {{'R', 'I', 'F', 'F'}, "holds no System Exclusive message"}};
    const std::string needs
        = "; PRESETS takes one ZYLOX 515 System Exclusive message of 1,024 to 131,078 bytes for flash block 62";
    for (const auto& [file, holds] : said)
        EXPECT_EQ(messageSlotRefusal(FirmwareBank().importContent(0, file, "new.syx", {}), "PRESETS", 0),
                  holds + needs);
}

// What an earlier version's import of a bank file left in PRESETS (its erase message less three
// bytes), as a bank file saved then still holds it.
TEST(FlashBlocks, AFirmwareBankFromAnOlderFileOpensButIsNeverSentWithASlotNoImportTakes)
{
    const FirmwareBank factory;
    const Bytes leftOver{0xF0, 0x79, 0x08, 0xF7};
    SysexMessage presets(leftOver.data(), leftOver.size());
    FirmwareBank firmware;
    ASSERT_TRUE(firmware.setContents({&presets, const_cast<SlotContent*>(factory.getContent(1))}));
    EXPECT_EQ(firmware.sendRefusal().value_or(SlotRefusal{}).describe(),
              "PRESETS holds a System Exclusive message that is not in the ZYLOX 515's own form; "
              "PRESETS takes one ZYLOX 515 System Exclusive message of 1,024 to 131,078 bytes "
              "for flash block 62");
    EXPECT_FALSE(factory.sendRefusal());
    EXPECT_FALSE(SoundBank(4).sendRefusal());
    const Bytes tiny{0xF0, 0x31, 0x7E, 0x38, 0xF7};
    SysexMessage os(tiny.data(), tiny.size());
    ASSERT_TRUE(firmware.setContents({const_cast<SlotContent*>(factory.getContent(0)), &os}));
    EXPECT_EQ(firmware.sendRefusal().value_or(SlotRefusal{}).describe(),
              "OS holds a System Exclusive message of 5 bytes; OS takes one ZYLOX 515 System "
              "Exclusive message of 1,024 to 131,078 bytes for flash block 63");
    // Saved with the two messages swapped, as an import let them be until now.
    ASSERT_TRUE(firmware.setContents(
        {const_cast<SlotContent*>(factory.getContent(1)), const_cast<SlotContent*>(factory.getContent(0))}));
    EXPECT_EQ(firmware.sendRefusal().value_or(SlotRefusal{}).describe(),
              "PRESETS holds the OS message; PRESETS takes the PRESETS "
              "message, which begins F0 31 40 38 00, for flash block 62");
    ASSERT_TRUE(firmware.setContents(
        {const_cast<SlotContent*>(factory.getContent(0)), const_cast<SlotContent*>(factory.getContent(0))}));
    EXPECT_EQ(firmware.sendRefusal().value_or(SlotRefusal{}).describe(),
              "OS holds the PRESETS message; OS takes the OS message, "
              "which begins F0 31 7F 38 10, for flash block 63");
}

} // namespace
