// What keeps `zylox send` from a device, and what it says then: another sender holding it, and a
// device record or copy whose file cannot be written. Senders of other users or without a state
// folder are SenderLockTest's; a lock, or a record in a folder that cannot be made, is refused in
// SenderLockTest and DeviceRecordTest with the words printed here.
#include "midiio/record/DeviceRecord.h"
#include "tests/cli/SendFixture.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Every sender to the loopback's devices meets in a sticky folder open to everyone, as on the
// system's /run/lock.
class SendRefusalTest : public SendFixture {
protected:
    SendRefusalTest()
    {
        fs::create_directory(shared);
        fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
        service->shareLocksIn(shared);
    }
    // A file of the device's in the user's state folder.
    std::string stateFile(const std::string& extension) const
    {
        return scratch.file("state/zylox/") + DeviceRecord::fileName(identity, extension);
    }

    const std::string shared = scratch.file("lock");
    const MidiPortIdentity identity{"ZYLOX 515", "ZYLOX 515 MIDI In"};
};

TEST_F(SendRefusalTest, ASecondSenderToTheSameDeviceIsRefusedBeforeItOpensThePort)
{
    int second = -1;
    clock.at(clock.nowMicroseconds() + 20'000'000, [&] { second = alongside("send --port 0 --bank S06"); });

    EXPECT_EQ(zylox("send --port 0 --bank S05"), 0);

    EXPECT_EQ(second, 1);
    EXPECT_EQ(complained(), "zylox: port 0: nothing sent: " + zylox515 + " is being sent to by zylox, process "
                                + std::to_string(getpid()) + "\n");
    EXPECT_EQ(device.erasedBlocks(), (Blocks{8, 9}));
    EXPECT_EQ(device.packets().size(), 1u); // the first sender's silencing alone
    EXPECT_TRUE(device.faults().empty());
}

TEST_F(SendRefusalTest, ARecordOrCopyThatCannotBeWrittenNamesItsFileAndWhy)
{
    // A FIFO where the record's file goes: the bank is not begun.
    fs::create_directories(scratch.file("state/zylox"));
    ASSERT_EQ(::mkfifo(stateFile(".txt").c_str(), 0600), 0);
    EXPECT_EQ(zylox("send --port 0 --bank S05"), 1);
    EXPECT_EQ(complained(),
              "zylox: port 0: bank S05 (S05) not sent: the device record " + stateFile(".txt")
                  + " could not be written (not a regular file); Sent completely: none; Incomplete on the device: "
                    "none; Not sent: S05.\n");
    fs::remove(stateFile(".txt"));

    // Where only the copy of the contents cannot be kept, the bank goes out and the copy is named.
    fs::create_directory(stateFile(".contents"));
    EXPECT_EQ(zylox("send --port 0 --bank S05"), 0);
    EXPECT_EQ(complained(),
              "zylox: port 0: the copy of the device's contents " + stateFile(".contents")
                  + " could not be written (not a regular file); what was sent counts as unknown there\n");
}

} // namespace
