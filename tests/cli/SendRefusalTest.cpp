// What keeps `zylox send` from a device, and what it says then: another sender holding it, of any
// user, and a device record, copy or lock whose file cannot be written.
#include "midiio/record/DeviceRecord.h"
#include "midiio/record/SenderLock.h"
#include "tests/cli/SendFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
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
    const std::string notSentS05 = "; Sent completely: none; Incomplete on the device: none; Not sent: S05.\n";
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

    // Once the first has ended, the device is free again.
    EXPECT_EQ(zylox("send --port 0 --bank S06"), 0);
    EXPECT_EQ(device.erasedBlocks(), (Blocks{8, 9, 10, 11}));
}

// The editor of another user (or root's `sudo zylox send`) keeps its record in a state folder of
// its own, and zylox without HOME and XDG_STATE_HOME has none: they meet at the device's lock.
TEST_F(SendRefusalTest, ASenderOfAnotherUserOrWithoutAStateFolderIsRefusedToo)
{
    const SenderLock::Taken editor = SenderLock::take(identity, "zylox-editor", {shared, scratch.file("other-user")});
    ASSERT_NE(editor.lock, nullptr);
    const std::string refused = "zylox: port 0: nothing sent: " + zylox515
                                + " is being sent to by zylox-editor, process " + std::to_string(getpid()) + "\n";
    EXPECT_EQ(zylox("send --port 0 --bank S05"), 1);
    EXPECT_EQ(complained(), refused);

    const char* home = std::getenv("HOME");
    const std::optional<std::string> savedHome = home ? std::optional<std::string>(home) : std::nullopt;
    unsetenv("HOME");
    unsetenv("XDG_STATE_HOME");
    const int status = zylox("send --port 0 --bank S05");
    if (savedHome)
        setenv("HOME", savedHome->c_str(), 1);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(complained(), refused);
    EXPECT_TRUE(device.packets().empty());
}

TEST_F(SendRefusalTest, ARecordCopyOrLockThatCannotBeWrittenNamesItsFileAndWhy)
{
    // A FIFO or a folder where the record's file goes: the bank is not begun.
    fs::create_directories(scratch.file("state/zylox"));
    ASSERT_EQ(::mkfifo(stateFile(".txt").c_str(), 0600), 0);
    EXPECT_EQ(zylox("send --port 0 --bank S05"), 1);
    EXPECT_EQ(complained(), "zylox: port 0: bank S05 (S05) not sent: the device record " + stateFile(".txt")
                                + " could not be written (not a regular file)" + notSentS05);
    fs::remove(stateFile(".txt"));
    EXPECT_TRUE(device.erasedBlocks().empty());

    // Where only the copy of the contents cannot be kept, the bank goes out and the copy is named.
    fs::create_directory(stateFile(".contents"));
    EXPECT_EQ(zylox("send --port 0 --bank S05"), 0);
    EXPECT_EQ(complained(),
              "zylox: port 0: the copy of the device's contents " + stateFile(".contents")
                  + " could not be written (not a regular file); what was sent counts as unknown there\n");
    EXPECT_EQ(device.erasedBlocks(), (Blocks{8, 9}));

    // A regular file where the state folder would be: no write gets through, root's neither; and
    // where no shared folder is there, the lock cannot be made in it either.
    std::ofstream(scratch.file("file")) << "not a folder";
    setenv("XDG_STATE_HOME", scratch.file("file").c_str(), 1);
    const std::string inFile = scratch.file("file/zylox/") + DeviceRecord::fileName(identity, ".txt");
    const std::string lockInFile = scratch.file("file/zylox/") + DeviceRecord::fileName(identity, ".lock");
    EXPECT_EQ(zylox("send --port 0 --bank S05"), 1);
    EXPECT_EQ(complained(), "zylox: port 0: bank S05 (S05) not sent: the device record " + inFile
                                + " could not be written (Not a directory)" + notSentS05);
    service->shareLocksIn("");
    EXPECT_EQ(zylox("send --port 0 --bank S05"), 1);
    EXPECT_EQ(complained(), "zylox: port 0: nothing sent: the device's lock " + lockInFile
                                + " could not be opened (Not a directory)\n");
    EXPECT_EQ(device.erasedBlocks(), (Blocks{8, 9}));
}

// The folder goes during S30's second write: S31 is not begun.
TEST_F(SendRefusalTest, ARecordFolderThatGoesDuringTheSendStopsItBeforeTheNextBank)
{
    const std::string folder = scratch.file("state/zylox");
    clock.at(clock.nowMicroseconds() + 80'000'000, [&] {
        fs::rename(folder, scratch.file("moved"));
        std::ofstream(folder) << "not a folder";
    });
    EXPECT_EQ(zylox("send --port 0 --all --from S30 --yes"), 1);
    EXPECT_EQ(said(), "FW: the device's operating system (block 63) is left alone (add --os to rewrite it)\n"
                      "sending bank (S30)...\nS30: sent\n");
    const std::string unwritten = "the device record " + stateFile(".txt") + " could not be written (Not a directory)";
    EXPECT_EQ(complained(),
              "zylox: port 0: " + unwritten + "; what was sent counts as unknown there\n"
                  + "zylox: port 0: bank S31 (S31) not sent: " + unwritten
                  + "; Sent completely: S30; Incomplete on the device: none; Not sent: S31, FW (first block).\n");
    EXPECT_EQ(device.erasedBlocks(), (Blocks{58, 59}));
}

} // namespace
