#include "content/CContent.h"
#include "flash/CEvent.h"
#include "model/CSound.h"
#include "model/FactoryData.h"
#include "tests/midifile/ScratchFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <sstream>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::array<const char*, 6> kLabels{"OPEN HI HAT", "CLOSED HI HAT", "CLAP", "RIM SHOT", "CRASH", "RIDE"};
constexpr std::array<std::size_t, 6> kLengths{24576, 8192, 24576, 8192, 32768, 32768};

Bytes slotBytes(const IBank& bank, std::uint16_t slot)
{
    return bank.getContent(slot)->getData();
}

Bytes factoryBytes(std::size_t from, std::size_t length)
{
    const auto data = factory::sampleData().subspan(from, length);
    return {data.begin(), data.end()};
}

Bytes imageOf(const IBank& bank)
{
    Bytes image;
    for (std::uint16_t slot = 0; slot < 6; ++slot) {
        const Bytes bytes = slotBytes(bank, slot);
        image.insert(image.end(), bytes.begin(), bytes.end());
    }
    return image;
}

Bytes head(const Bytes& bytes, std::size_t count)
{
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count)};
}

TEST(FactorySoundBank, FirstBankLayout)
{
    const CSound bank(0);
    EXPECT_EQ(bank.getName(), "S01 - factory -");
    EXPECT_EQ(bank.getIndex(), 0);
    ASSERT_EQ(bank.getContentCount(), 6);
    std::size_t offset = 0;
    for (std::uint16_t slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(bank.getContentLabel(slot), kLabels[slot]);
        EXPECT_EQ(bank.getContentName(slot), kLabels[slot]);
        EXPECT_TRUE(bank.isSampleContent(slot));
        EXPECT_EQ(slotBytes(bank, slot), factoryBytes(offset, kLengths[slot])) << slot;
        offset += kLengths[slot];
    }
    std::ostringstream out;
    bank.print(out, false);
    EXPECT_TRUE(out.str().ends_with("m_events[0]: 0x00000000\nm_events[1]: 0x00000000\n"
                                    "m_events[2]: 0x00000000\nm_events[3]: 0x00000000\n"));
}

TEST(FactorySoundBank, LaterBanksTakeTheirOwnImage)
{
    const CSound last(30);
    EXPECT_EQ(last.getName(), "S31");
    EXPECT_EQ(imageOf(last), factoryBytes(3932160, 131072));

    const CSound fifth(4);
    EXPECT_EQ(fifth.getName(), "S05");
    EXPECT_EQ(imageOf(fifth), factoryBytes(524288, 131072));
    EXPECT_EQ(slotBytes(fifth, 4), factoryBytes(589824, 32768));
}

TEST(SoundBankSlots, IndicesOutOfRangeChangeAndReturnNothing)
{
    CSound bank(2);
    EXPECT_EQ(bank.getContentLabel(6), "");
    EXPECT_EQ(bank.getContentName(6), "");
    EXPECT_FALSE(bank.isSampleContent(6));
    EXPECT_EQ(bank.getContent(6), nullptr);
    bank.setContentName(6, "x");
    bank.loadContent(6, "/dev/null");
    EXPECT_EQ(bank.getContentNames().size(), 6u);

    bank.setName("My Kit");
    bank.setContentName(1, "tick");
    bank.setIndex(9);
    EXPECT_EQ(bank.getName(), "My Kit");
    EXPECT_EQ(bank.getContentName(1), "tick");
    EXPECT_EQ(bank.getContentLabel(1), "CLOSED HI HAT");
    EXPECT_EQ(bank.getIndex(), 9);
}

TEST(SoundBankImport, NamesTheSlotAfterTheFileOnlyWhenTheImportSucceeds)
{
    ScratchFolder folder("sound-import");
    std::filesystem::create_directories(folder.path() / "a" / "b");
    const std::string raw = folder.write("a/b/hat.aif", Bytes(100, 0x90));
    CSound bank(0);

    bank.loadContent(0, folder.file("a/b/missing.aif").c_str());
    EXPECT_EQ(bank.getContentName(0), "OPEN HI HAT");

    bank.loadContent(0, raw.c_str());
    EXPECT_EQ(bank.getContentName(0), "hat.aif");
    EXPECT_EQ(slotBytes(bank, 0).size(), 24576u);

    std::filesystem::current_path(folder.path() / "a" / "b");
    bank.loadContent(3, "hat.aif");
    EXPECT_EQ(bank.getContentName(3), "hat.aif");

    // A bank given too few names still records the import.
    bank.setContentNames({"one"});
    bank.loadContent(2, raw.c_str());
    EXPECT_EQ(bank.getContentNames(), (std::vector<std::string>{"one", "CLOSED HI HAT", "hat.aif"}));
}

TEST(SoundBankClone, DeepCopyWithoutEvents)
{
    CSound source(7);
    source.setName("Renamed");
    source.createEvents(0);
    const std::unique_ptr<IBank> copy(source.clone());
    const std::unique_ptr<IBank> viaOther(CSound(1).cloneOf(source));

    for (const IBank* bank : {copy.get(), viaOther.get()}) {
        EXPECT_EQ(bank->getName(), "Renamed");
        EXPECT_EQ(bank->getIndex(), 7);
        EXPECT_EQ(bank->getContentNames(), source.getContentNames());
        EXPECT_EQ(imageOf(*bank), imageOf(source));
        std::ostringstream out;
        bank->print(out, false);
        EXPECT_TRUE(out.str().ends_with("m_events[3]: 0x00000000\n"));
    }
    EXPECT_NE(copy->getContent(0), source.getContent(0));

    const Bytes before = slotBytes(source, 0);
    const_cast<CContent*>(copy->getContent(0))->getData()[10] ^= 0xFF;
    copy->setContentName(0, "changed");
    EXPECT_EQ(slotBytes(source, 0), before);
    EXPECT_EQ(source.getContentName(0), "OPEN HI HAT");
}

void expectSoundDump(IBank& bank, std::uint16_t channel, std::uint8_t firstBlock)
{
    const std::vector<CEvent*>& events = bank.createEvents(channel);
    ASSERT_EQ(events.size(), 4u);
    const auto channelByte = static_cast<std::uint8_t>(0x20 | (channel & 0x0F));
    EXPECT_EQ(events[0]->getData(), (Bytes{0xF0, 0x31, 0x0D, 0x79, firstBlock, 0xF7}));
    EXPECT_EQ(events[2]->getData(), (Bytes{0xF0, 0x31, 0x0D, 0x79, static_cast<std::uint8_t>(firstBlock + 1), 0xF7}));
    EXPECT_EQ(head(events[1]->getData(), 5), (Bytes{0xF0, 0x31, static_cast<std::uint8_t>(0x40 | firstBlock), 0x38, channelByte}));
    EXPECT_EQ(head(events[3]->getData(), 5),
              (Bytes{0xF0, 0x31, static_cast<std::uint8_t>(0x40 | (firstBlock + 1)), 0x38, channelByte}));
    EXPECT_EQ(events[1]->getSize(), 131078u);
    EXPECT_EQ(events[3]->getSize(), 131078u);
    EXPECT_EQ(events[0]->getOffset(), 3u);
    EXPECT_EQ(events[1]->getOffset(), 6u);
    EXPECT_EQ(events[2]->getOffset(), 3u);
    EXPECT_EQ(events[3]->getOffset(), 6u);
}

TEST(SoundBankDump, EraseAndWriteTheBanksTwoBlocks)
{
    CSound first(0);
    expectSoundDump(first, 0, 0x00);
    CSound last(30);
    expectSoundDump(last, 5, 0x3C);
    expectSoundDump(last, 21, 0x3C);

    // Slot 4 opens the second block's data, slot 5 follows at byte 65,541.
    const std::vector<CEvent*>& events = last.createEvents(0);
    const Bytes crash = slotBytes(last, 4);
    const Bytes ride = slotBytes(last, 5);
    const Bytes& second = events[3]->getData();
    EXPECT_EQ(second[5], crash[0] >> 7);
    EXPECT_EQ(second[6], crash[0] & 0x7F);
    EXPECT_EQ(second[65539], crash.back() >> 7);
    EXPECT_EQ(second[65540], crash.back() & 0x7F);
    EXPECT_EQ(second[65541], ride[0] >> 7);
    EXPECT_EQ(second[131076], ride.back() & 0x7F);
}

TEST(SoundBankDump, EachCallReplacesTheEventsAndSeesTheSlotsAsTheyAreThen)
{
    CSound bank(3);
    const std::vector<CEvent*>& first = bank.createEvents(0);
    const Bytes firstWrite = first[1]->getData();
    const_cast<CContent*>(bank.getContent(0))->getData()[0] = 0xFF;

    const std::vector<CEvent*>& second = bank.createEvents(0);
    EXPECT_EQ(&first, &second);
    EXPECT_NE(second[1]->getData(), firstWrite);
    EXPECT_EQ(second[1]->getData()[5], 0x01);
    EXPECT_EQ(second[1]->getData()[6], 0x7F);
}

TEST(SoundBankFromMessages, RoundTripsEveryByteValueAndTakesTheIndex)
{
    CSound seven(7);
    for (std::uint16_t slot = 0; slot < 6; ++slot) {
        Bytes& bytes = const_cast<CContent*>(seven.getContent(slot))->getData();
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 31 + slot);
    }
    const std::vector<CEvent*>& events = seven.createEvents(9);
    CSound target(2);
    target.setName("kept");

    ASSERT_TRUE(target.setContents({events[1]->getMessage(), events[3]->getMessage()}));
    EXPECT_EQ(target.getIndex(), 7);
    EXPECT_EQ(imageOf(target), imageOf(seven));
    EXPECT_EQ(target.getName(), "kept");
    EXPECT_EQ(target.getContentName(0), "OPEN HI HAT");
}

TEST(SoundBankFromMessages, RefusesWhatCannotFillTheBankAndStaysUnchanged)
{
    CSound source(7);
    const std::vector<CEvent*>& events = source.createEvents(0);
    CContent* first = events[1]->getMessage();
    CContent* second = events[3]->getMessage();
    const std::unique_ptr<CContent> shortMessage(second->clone());
    shortMessage->getData().pop_back();

    CSound target(2);
    const Bytes before = imageOf(target);
    EXPECT_FALSE(target.setContents({}));
    EXPECT_FALSE(target.setContents({first}));
    EXPECT_FALSE(target.setContents({first, shortMessage.get()}));
    EXPECT_FALSE(target.setContents({shortMessage.get(), first}));
    EXPECT_FALSE(target.setContents({first, nullptr}));
    EXPECT_EQ(target.getIndex(), 2);
    EXPECT_EQ(imageOf(target), before);
}

} // namespace
