// The device record on disk, and the output identities it is kept by.
#include "midiio/record/DeviceRecord.h"
#include "content/SlotContent.h"
#include "midiio/MidiDestinations.h"
#include "midiio/MidiPortIdentity.h"
#include "model/SoundBank.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string hex(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

class DeviceRecordTest : public testing::Test {
protected:
    ScratchFolder scratch{"zylox-device-record"};
    std::string folder = scratch.file("state");
    MidiPortIdentity usb{"Test USB MIDI", "Test USB MIDI MIDI 1"};
};

TEST_F(DeviceRecordTest, RemembersPerDeviceAcrossInstancesInANewFolder)
{
    DeviceRecord written(folder, usb);
    EXPECT_TRUE(written.remember(0, 0x0123456789abcdefULL));
    EXPECT_TRUE(written.remember(63, 7));
    EXPECT_TRUE(written.remember(62, 8));
    EXPECT_TRUE(written.forget(63));

    DeviceRecord again(folder, usb);
    EXPECT_EQ(again.at(0), 0x0123456789abcdefULL);
    EXPECT_EQ(again.at(1), std::nullopt);
    EXPECT_EQ(again.at(62), 8u);
    EXPECT_EQ(again.at(63), std::nullopt);
    EXPECT_EQ(again.known(31), (DeviceRecord::RowKnowledge{8, std::nullopt, std::nullopt}));
    EXPECT_EQ(DeviceRecord(folder, {"Test USB MIDI", "other port"}).at(0), std::nullopt);
    EXPECT_FALSE(again.remember(64, 1));
    EXPECT_FALSE(again.restore(32, {}));
    // The device's pacing is kept beside its blocks; one no output may be given is refused.
    EXPECT_TRUE(again.setPacing({32, 20}));
    EXPECT_FALSE(again.setPacing({32, 101}));
    EXPECT_FALSE(again.setPacing({8, 0}));
    EXPECT_EQ(DeviceRecord(folder, usb).pacing(), (OutputPacing{32, 20}));
    EXPECT_EQ(DeviceRecord(folder, usb).at(62), 8u);
    // Only the record itself is left in the folder: no temporary file behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(DeviceRecordTest, ADamagedRecordIsUnknownAndIsReplacedByTheNextWrite)
{
    const std::string header = "zylox device record 2\n" + usb.toString() + "\n";
    const std::string banks = "zylox device record 1\n" + usb.toString() + "\n";
    for (const std::string& damaged :
         {std::string(), std::string("\0\1\2", 3), header.substr(0, 10),
          "zylox device record 3\n" + usb.toString() + "\nblock 0 0000000000000001\n",
          header + "block 0 000000000000000g\n", header + "block 0 00000000000000001\n",
          header + "block 64 0000000000000001\n", header + "block -1 0000000000000001\n",
          header + "bank 32 0000000000000001\n", header + "slot 1 0000000000000001\n", header + "0 0000000000000001\n",
          header + "block 0 0000000000000001 extra\n", header + "block 1 0000000000000001\nnonsense\n",
          header + "block\n", banks + "0 000000000000000g\n", banks + "32 0000000000000001\n",
          banks + "-1 0000000000000001\n", banks + "block 0 0000000000000001\n",
          banks + "1 0000000000000001\nnonsense\n", header + "pacing 15 0\n", header + "pacing 257 0\n",
          header + "pacing 32 101\n", header + "pacing 32 -1\n", header + "pacing 32 x\n", header + "pacing 32 0020\n",
          header + "pacing 32\n", std::string("zylox device record 2\nsomeone else:port\nblock 0 0000000000000001\n"),
          // The same names under a socket are another device's record; an empty socket is never written.
          "zylox device record 2\n" + usb.toString() + ":usb-0000\\:00\\:14.0-2\nblock 0 0000000000000001\n",
          "zylox device record 2\n" + usb.toString() + ":\nblock 0 0000000000000001\n",
          header + std::string(20'000, '\n')}) {
        SCOPED_TRACE(damaged.substr(0, 60));
        DeviceRecord(folder, usb).remember(5, 1); // makes the folder and names the file
        const std::string path = DeviceRecord(folder, usb).path();
        std::ofstream(path, std::ios::trunc | std::ios::binary) << damaged;

        DeviceRecord record(folder, usb);
        for (std::size_t row = 0; row < DeviceRecord::kRows; ++row)
            EXPECT_EQ(record.known(row), DeviceRecord::RowKnowledge{}) << row;
        EXPECT_EQ(record.pacing(), OutputPacing{});
        EXPECT_TRUE(record.remember(2, 3));
        EXPECT_EQ(DeviceRecord(folder, usb).at(2), 3u);
    }
}

// A record of one fingerprint per bank, as earlier versions wrote it, still speaks for whole banks:
// nothing is sent again for a bank that is as it was, and both blocks of one that is not.
TEST_F(DeviceRecordTest, ARecordOfWholeBanksCarriesOverUntilItsBanksAreSentAgain)
{
    SoundBank sent(4), changed(4), other(6);
    ASSERT_TRUE(changed.putSound(5, std::vector<std::uint8_t>(changed.getContent(5)->getSize(), 0x80), "quiet"));
    DeviceRecord(folder, usb).remember(0, 1); // makes the folder and names the file
    std::ofstream(DeviceRecord(folder, usb).path(), std::ios::trunc)
        << "zylox device record 1\n"
        << usb.toString() << "\n4 " << hex(DeviceRecord::fingerprint(sent, 0)) << "\n";

    DeviceRecord record(folder, usb);
    EXPECT_EQ(record.differingBlocks(4, sent, 0), kNoBlock);
    EXPECT_EQ(record.differingBlocks(4, changed, 0), kBothBlocks);
    EXPECT_EQ(record.differingBlocks(4, sent, 1), kBothBlocks);
    EXPECT_EQ(record.differingBlocks(6, other, 0), kBothBlocks);
    EXPECT_EQ(record.at(8), std::nullopt);

    // Written back in the form of blocks, the old fingerprint with it, until a block of its bank changes.
    EXPECT_TRUE(record.remember(20, 5));
    EXPECT_EQ(DeviceRecord(folder, usb).differingBlocks(4, sent, 0), kNoBlock);
    EXPECT_TRUE(record.forget(9));
    DeviceRecord after(folder, usb);
    EXPECT_EQ(after.known(4), DeviceRecord::RowKnowledge{});
    EXPECT_EQ(after.differingBlocks(4, sent, 0), kBothBlocks);
    EXPECT_EQ(after.at(20), 5u);
}

// A folder below a regular file refuses writes to everyone, root included.
TEST_F(DeviceRecordTest, AFolderThatCannotBeWrittenSaysWhyAndKeepsTheRecordInMemory)
{
    std::ofstream(scratch.file("file")) << "a file, not a folder";
    DeviceRecord record(scratch.file("file/state"), usb);
    EXPECT_FALSE(record.remember(1, 9));
    EXPECT_EQ(record.at(1), 9u);
    EXPECT_EQ(record.failure().describe(), "the device record " + scratch.file("file/state/")
                                               + DeviceRecord::fileName(usb, ".txt")
                                               + " could not be written (Not a directory)");

    // Without a folder nothing on disk can speak for the device: the record lives in memory.
    DeviceRecord nowhere("", usb);
    EXPECT_TRUE(nowhere.remember(1, 9));
    EXPECT_EQ(nowhere.at(1), 9u);
    EXPECT_EQ(nowhere.path(), "");
}

TEST_F(DeviceRecordTest, TheFolderIsTheUsersStateFolder)
{
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* state = std::getenv("XDG_STATE_HOME");
    const std::string savedState = state ? state : "";
    setenv("XDG_STATE_HOME", "/var/state-here", 1);
    EXPECT_EQ(DeviceRecord::defaultFolder(), "/var/state-here/zylox");
    setenv("XDG_STATE_HOME", "relative/is/ignored", 1);
    setenv("HOME", "/home/musician", 1);
    EXPECT_EQ(DeviceRecord::defaultFolder(), "/home/musician/.local/state/zylox");
    unsetenv("XDG_STATE_HOME");
    unsetenv("HOME");
    EXPECT_EQ(DeviceRecord::defaultFolder(), "");
    setenv("HOME", home.c_str(), 1);
    if (state)
        setenv("XDG_STATE_HOME", savedState.c_str(), 1);
}

TEST(MidiPortIdentityTest, StoredFormReadsBackAndRefusesWhatItNeverWrites)
{
    for (const MidiPortIdentity& identity :
         {MidiPortIdentity{"Test USB MIDI", "Test USB MIDI MIDI 1"}, MidiPortIdentity{"a:b\\c", ":\\:"},
          MidiPortIdentity{"", ""}, MidiPortIdentity{"client", ""},
          MidiPortIdentity{"USB MIDI", "Port 1", "usb-0000:00:14.0-2.3"}, MidiPortIdentity{"", "", "usb-x\\y-1"}}) {
        EXPECT_EQ(MidiPortIdentity::fromString(identity.toString()), identity) << identity.toString();
    }
    EXPECT_EQ(MidiPortIdentity({"a:b", "c"}).toString(), "a\\:b:c");
    EXPECT_EQ(MidiPortIdentity({"a", "b", "usb-0000:00:14.0-2"}).toString(), "a:b:usb-0000\\:00\\:14.0-2");
    // What was stored before sockets were told apart reads as an identity without one.
    EXPECT_EQ(MidiPortIdentity::fromString("USB\\:MIDI:Port 1"), (MidiPortIdentity{"USB:MIDI", "Port 1", ""}));
    for (const char* wrong : {"", "no colon", "a:b:", "a:b:c:d", "a\\", "a\\x:b"})
        EXPECT_EQ(MidiPortIdentity::fromString(wrong), std::nullopt) << wrong;
}

// Names as the output list, `zylox ports` and `--port` see them: the socket always for USB, the bus
// only where two sockets of one number on different buses would read the same.
TEST(MidiPortIdentityTest, AUsbInterfaceIsNamedWithItsSocketAndTwinsApartByTheirBus)
{
    EXPECT_EQ(MidiPortIdentity({"USB", "MIDI 1"}).displayName(), "USB:MIDI 1");
    EXPECT_EQ(MidiPortIdentity({"USB", "MIDI 1", "usb-0000:00:14.0-2.3"}).displayName(), "USB:MIDI 1 (USB socket 2.3)");
    const std::vector<MidiPortIdentity> listed{{"VirMIDI", "VirMIDI 1-0"},
                                               {"Twin", "Port 1", "usb-dummy_hcd.0-1"},
                                               {"Twin", "Port 1", "usb-dummy_hcd.1-1"},
                                               {"Twin", "Port 1", "usb-dummy_hcd.1-2"},
                                               {"Other", "Port 1", "usb-dummy_hcd.0-2"}};
    EXPECT_EQ(MidiDestinations::listedNames(listed),
              (std::vector<std::string>{"VirMIDI:VirMIDI 1-0", "Twin:Port 1 (USB socket 1 on bus dummy_hcd.0)",
                                        "Twin:Port 1 (USB socket 1 on bus dummy_hcd.1)", "Twin:Port 1 (USB socket 2)",
                                        "Other:Port 1 (USB socket 2)"}));
}

// The kernel's long names of sound cards, as captured from USB, virtual and serial cards.
TEST(MidiPortIdentityTest, TheSocketIsTakenFromAUsbCardsLongNameOnly)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Test USB MIDI at usb-dummy_hcd.0-1, full speed", "usb-dummy_hcd.0-1"},
        {"M-Audio USB Uno at usb-0000:00:14.0-2.3, full speed", "usb-0000:00:14.0-2.3"},
        {"Box at usb-0000:00:1d.0-1.4, high speed", "usb-0000:00:1d.0-1.4"},
        {"Cable at usb 2 at usb-0000:00:14.0-9", "usb-0000:00:14.0-9"},
        {"Virtual MIDI Card 1", ""},
        {"MPU-401 UART at 0x330, irq 9", ""},
        {"Broken at usb-0000:00:14.0, full speed", ""},
        {"Broken at usb-0000:00:14.0-, full speed", ""},
        {"Broken at usb-0000:00:14.0-x2, full speed", ""},
        {"Broken at usb-2, full speed", ""},
        {"", ""}};
    for (const auto& [longName, location] : cases)
        EXPECT_EQ(MidiDestinations::locationOfCard(longName), location) << longName;
}

} // namespace
