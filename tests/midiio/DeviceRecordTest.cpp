// The device record on disk, and the output identities it is kept by.
#include "midiio/DeviceRecord.h"
#include "midiio/MidiPortIdentity.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

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
    EXPECT_TRUE(written.remember(31, 7));
    EXPECT_TRUE(written.forget(31));

    DeviceRecord again(folder, usb);
    EXPECT_TRUE(again.holds(0, 0x0123456789abcdefULL));
    EXPECT_FALSE(again.holds(0, 0x0123456789abcdeeULL));
    EXPECT_EQ(again.at(31), std::nullopt);
    EXPECT_EQ(DeviceRecord(folder, {"Test USB MIDI", "other port"}).at(0), std::nullopt);
    EXPECT_FALSE(again.remember(32, 1));
    // Only the record itself is left in the folder: no temporary file behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(DeviceRecordTest, ADamagedRecordIsUnknownAndIsReplacedByTheNextWrite)
{
    const std::string header = "zylox device record 1\n" + usb.toString() + "\n";
    for (const std::string& damaged :
         {std::string(), std::string("\0\1\2", 3), header.substr(0, 10), "zylox device record 2\n" + usb.toString() + "\n0 0000000000000001\n",
          header + "0 000000000000000g\n", header + "0 00000000000000001\n", header + "32 0000000000000001\n",
          header + "-1 0000000000000001\n", header + "0 0000000000000001 extra\n", header + "1 0000000000000001\nnonsense\n",
          std::string("zylox device record 1\nsomeone else:port\n0 0000000000000001\n"), header + std::string(20'000, '\n')}) {
        SCOPED_TRACE(damaged.substr(0, 60));
        DeviceRecord(folder, usb).remember(5, 1); // makes the folder and names the file
        const std::string path = DeviceRecord(folder, usb).path();
        std::ofstream(path, std::ios::trunc | std::ios::binary) << damaged;

        DeviceRecord record(folder, usb);
        for (std::size_t row = 0; row < DeviceRecord::kRows; ++row)
            EXPECT_EQ(record.at(row), std::nullopt) << row;
        EXPECT_TRUE(record.remember(2, 3));
        EXPECT_TRUE(DeviceRecord(folder, usb).holds(2, 3));
    }
}

// A folder below a regular file refuses writes to everyone, root included.
TEST_F(DeviceRecordTest, AFolderThatCannotBeWrittenSaysWhyAndKeepsTheRecordInMemory)
{
    std::ofstream(scratch.file("file")) << "a file, not a folder";
    DeviceRecord record(scratch.file("file/state"), usb);
    EXPECT_FALSE(record.remember(1, 9));
    EXPECT_TRUE(record.holds(1, 9));
    EXPECT_EQ(record.failure(), "the device record in " + scratch.file("file/state") + " could not be written (Not a directory)");

    // Where only the record's own file cannot be replaced, the folder is named all the same.
    DeviceRecord(folder, usb).remember(0, 1);
    const std::string path = DeviceRecord(folder, usb).path();
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    DeviceRecord blocked(folder, usb);
    EXPECT_FALSE(blocked.forget(0));
    EXPECT_EQ(blocked.failure().rfind("the device record in " + folder + " could not be written (", 0), 0u)
        << blocked.failure();
    std::filesystem::remove(path);
    EXPECT_TRUE(blocked.forget(0));
    EXPECT_EQ(blocked.failure(), "");

    // Without a folder nothing on disk can speak for the device: the record lives in memory.
    DeviceRecord nowhere("", usb);
    EXPECT_TRUE(nowhere.remember(1, 9));
    EXPECT_TRUE(nowhere.holds(1, 9));
    EXPECT_EQ(nowhere.path(), "");
    EXPECT_EQ(nowhere.lockPath(), "");
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
          MidiPortIdentity{"", ""}, MidiPortIdentity{"client", ""}}) {
        EXPECT_EQ(MidiPortIdentity::fromString(identity.toString()), identity) << identity.toString();
    }
    EXPECT_EQ(MidiPortIdentity({"a:b", "c"}).toString(), "a\\:b:c");
    EXPECT_EQ(MidiPortIdentity({"USB", "MIDI 1"}).displayName(), "USB:MIDI 1");
    for (const char* wrong : {"", "no colon", "a:b:c", "a\\", "a\\x:b"})
        EXPECT_EQ(MidiPortIdentity::fromString(wrong), std::nullopt) << wrong;
}

} // namespace
