#include "content/CMessage.h"
#include "flash/CEvent.h"
#include "model/CFirmware.h"
#include "model/FactoryData.h"
#include "tests/midifile/ScratchFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes head(const Bytes& bytes, std::size_t count)
{
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count)};
}

TEST(FactoryFirmwareBank, TwoMessagesUpToTheirFirstF7)
{
    const CFirmware bank;
    EXPECT_EQ(bank.getIndex(), 31);
    EXPECT_EQ(bank.getName(), "FIRMWARE - factory -");
    ASSERT_EQ(bank.getContentCount(), 2);
    EXPECT_EQ(bank.getContentNames(), (std::vector<std::string>{"PRESETS", "OS"}));
    EXPECT_EQ(bank.getContentLabel(1), "OS");
    EXPECT_FALSE(bank.isSampleContent(0));
    EXPECT_FALSE(bank.isSampleContent(1));

    const Bytes& presets = bank.getContent(0)->getData();
    const Bytes& os = bank.getContent(1)->getData();
    ASSERT_EQ(presets.size(), 130950u);
    ASSERT_EQ(os.size(), 114182u);
    EXPECT_EQ(head(presets, 5), (Bytes{0xF0, 0x31, 0x40, 0x38, 0x00}));
    EXPECT_EQ(head(os, 5), (Bytes{0xF0, 0x31, 0x7F, 0x38, 0x10}));
    EXPECT_EQ(presets.back(), 0xF7);
    EXPECT_EQ(os.back(), 0xF7);

    std::ostringstream out;
    bank.print(out, false);
    EXPECT_TRUE(out.str().starts_with("CFirmware <"));
    EXPECT_TRUE(out.str().ends_with("m_events[3]: 0x00000000\n"));
}

TEST(FactoryFirmwareBank, ChunkWithoutF7IsTakenWholeAndNeverOverrun)
{
    const Bytes noEnd{0xF0, 0x31, 0x40, 0x00, 0x00};
    const Bytes early{0xF0, 0xF7, 0x00, 0xF7};
    EXPECT_EQ(CFirmware::messageLength(noEnd), 5u);
    EXPECT_EQ(CFirmware::messageLength(early), 2u);
    EXPECT_EQ(CFirmware::messageLength({}), 0u);
}

TEST(FirmwareDump, SameBytesOnEveryChannelAndTheStoredMessagesUnchanged)
{
    CFirmware bank;
    const std::vector<CEvent*>& events = bank.createEvents(0);
    EXPECT_EQ(events[0]->getData(), (Bytes{0xF0, 0x31, 0x0D, 0x79, 0x3E, 0xF7}));
    EXPECT_EQ(events[2]->getData(), (Bytes{0xF0, 0x31, 0x0D, 0x79, 0x3F, 0xF7}));
    EXPECT_EQ(events[1]->getMessage(), bank.getContent(0));
    EXPECT_EQ(events[3]->getMessage(), bank.getContent(1));
    std::size_t total = 0;
    std::vector<Bytes> onChannel0;
    for (const CEvent* event : events) {
        total += event->getSize();
        onChannel0.push_back(event->getData());
    }
    EXPECT_EQ(total, 245144u);
    EXPECT_EQ(events[1]->getOffset(), 6u);
    EXPECT_EQ(events[2]->getOffset(), 3u);

    const std::vector<CEvent*>& again = bank.createEvents(15);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(again[i]->getData(), onChannel0[i]);

    // Another index (from opening a file) does not move the firmware to other blocks.
    bank.setIndex(3);
    EXPECT_EQ(bank.createEvents(0)[0]->getData()[4], 0x3E);
}

TEST(FirmwareFromMessages, TakesCopiesAndDropsTheOldDump)
{
    CFirmware bank;
    bank.setName("kept");
    bank.createEvents(0);
    const Bytes presets{0xF0, 0x01, 0xF7};
    const Bytes os{0xF0, 0x02, 0x03, 0xF7};
    auto first = std::make_unique<CMessage>(presets.data(), presets.size());
    auto second = std::make_unique<CMessage>(os.data(), os.size());

    ASSERT_TRUE(bank.setContents({first.get(), second.get()}));
    first.reset();
    second.reset();
    EXPECT_EQ(bank.getContent(0)->getData(), presets);
    EXPECT_EQ(bank.getContent(1)->getData(), os);
    EXPECT_EQ(bank.getName(), "kept");
    EXPECT_EQ(bank.getContentName(0), "PRESETS");

    // No event may point at the deleted messages.
    std::ostringstream out;
    bank.print(out, true);
    EXPECT_TRUE(out.str().ends_with("m_events[0]: 0x00000000\nm_events[1]: 0x00000000\n"
                                    "m_events[2]: 0x00000000\nm_events[3]: 0x00000000\n"));
    EXPECT_EQ(bank.createEvents(0)[3]->getData(), os);
}

TEST(FirmwareFromMessages, RefusesFewerThanTwo)
{
    CFirmware bank;
    const std::vector<CEvent*>& events = bank.createEvents(0);
    const CEvent* write = events[1];
    const Bytes message{0xF0, 0xF7};
    CMessage only(message.data(), message.size());

    EXPECT_FALSE(bank.setContents({}));
    EXPECT_FALSE(bank.setContents({&only}));
    EXPECT_FALSE(bank.setContents({&only, nullptr}));
    EXPECT_EQ(bank.getContent(0)->getSize(), 130950u);
    EXPECT_EQ(events[1], write);
    EXPECT_EQ(write->getMessage(), bank.getContent(0));
}

TEST(FirmwareImport, SystemExclusiveFileIntoASlot)
{
    ScratchFolder folder("firmware-import");
    const std::string path = folder.write("new-os.syx", {0xF0, 0x00, 0x20, 0x33, 0x01, 0x02, 0xF7});
    const std::string broken = folder.write("broken.syx", {0xF0, 0x00, 0x20, 0x33, 0x01});
    CFirmware bank;
    const std::vector<CEvent*>& events = bank.createEvents(0);

    bank.loadContent(1, path.c_str());
    EXPECT_EQ(bank.getContent(1)->getData(), (Bytes{0xF0, 0x01, 0x02, 0xF7}));
    EXPECT_EQ(bank.getContentName(1), "new-os.syx");
    // Existing write events refer to the slot and see the new bytes.
    EXPECT_EQ(events[3]->getSize(), 4u);

    bank.loadContent(0, broken.c_str());
    EXPECT_EQ(bank.getContentName(0), "PRESETS");
    EXPECT_EQ(bank.getContent(0)->getSize(), 130950u);
}

TEST(FirmwareClone, CopiesMessagesNotEvents)
{
    CFirmware bank;
    bank.createEvents(0);
    const std::unique_ptr<IBank> copy(bank.clone());
    EXPECT_EQ(copy->getName(), bank.getName());
    EXPECT_EQ(copy->getContent(1)->getData(), bank.getContent(1)->getData());
    EXPECT_NE(copy->getContent(1), bank.getContent(1));
    std::ostringstream out;
    copy->print(out, false);
    EXPECT_TRUE(out.str().starts_with("CFirmware <"));
    EXPECT_TRUE(out.str().ends_with("m_events[3]: 0x00000000\n"));
}

} // namespace
