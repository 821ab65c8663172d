// Which record a USB device takes under its socket, and what moves with it: the record, the copy of
// the device's contents and its pacing, all or nothing. The question for a unit in a new socket is
// tested where it is asked (zylox send, the editor).
#include "midiio/record/RecordHandover.h"
#include "midiio/record/DeviceContents.h"
#include "midiio/record/DeviceRecord.h"
#include "model/SoundBank.h"
#include "tests/support/KeptAsSent.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

using Step = RecordHandover::Step;

class RecordHandoverTest : public testing::Test {
protected:
    // S02 sent completely to the device, with a pacing of its own.
    void sendSecondBankTo(const MidiPortIdentity& device)
    {
        DeviceRecord record(folder, device);
        DeviceContents contents(record);
        ASSERT_TRUE(keptAsSent(record, contents, 1, bank));
        ASSERT_TRUE(record.setPacing({32, 20}));
    }
    void expectSecondBankKnownOn(const MidiPortIdentity& device)
    {
        const DeviceRecord record(folder, device);
        EXPECT_EQ(record.pacing(), (OutputPacing{32, 20}));
        EXPECT_EQ(DeviceContents(record).knownRows(), std::vector<std::size_t>{1});
        EXPECT_EQ(DeviceContents(record).bank(1)->getName(), "Toms");
    }
    Step stepFor(const MidiPortIdentity& device, const std::vector<MidiPortIdentity>& present)
    {
        return RecordHandover::forDevice(folder, device, present).step();
    }

    ScratchFolder scratch{"zylox-record-handover"};
    std::string folder = scratch.file("state");
    MidiPortIdentity plain{"USB MIDI", "Port 1"};
    MidiPortIdentity socket2{"USB MIDI", "Port 1", "usb-0000:00:14.0-2"};
    MidiPortIdentity socket3{"USB MIDI", "Port 1", "usb-0000:00:14.0-3"};
    SoundBank bank{1};

    void SetUp() override { bank.setName("Toms"); }
};

TEST_F(RecordHandoverTest, ARecordWithoutSocketGoesToTheOnlyInterfaceOfItsNamesAndIsAskedAboutWithTwo)
{
    sendSecondBankTo(plain);
    const std::string plainRecord = DeviceRecord(folder, plain).path();
    const std::string plainContents = DeviceRecord(folder, plain).contentsPath();
    EXPECT_EQ(stepFor(socket2, {socket2, socket3}), Step::Ask);
    EXPECT_EQ(RecordHandover::forDevice(folder, socket2, {socket2, socket3}).from(), plain);

    RecordHandover handover = RecordHandover::forDevice(folder, socket3, {socket3});
    ASSERT_EQ(handover.step(), Step::TakeOver);
    ASSERT_TRUE(handover.takeOver(folder, socket3));
    expectSecondBankKnownOn(socket3);
    EXPECT_FALSE(std::filesystem::exists(plainRecord));
    EXPECT_FALSE(std::filesystem::exists(plainContents));
    EXPECT_EQ(DeviceRecord::recorded(folder), std::vector<MidiPortIdentity>{socket3});
    // Taken once: the twin plugged in beside it starts with nothing to take or ask about.
    EXPECT_EQ(stepFor(socket3, {socket3}), Step::None);
    EXPECT_EQ(stepFor(socket2, {socket2, socket3}), Step::None);
    // Alone, it may be the unit moved from socket 3.
    EXPECT_EQ(stepFor(socket2, {socket2}), Step::Ask);
    // Ports that are not on USB are never asked about, nor is anything without a folder.
    EXPECT_EQ(stepFor(plain, {plain}), Step::None);
    EXPECT_EQ(RecordHandover::forDevice("", socket2, {socket2}).step(), Step::None);
}

// A folder where the new record's or copy's file would go blocks the write, root included.
TEST_F(RecordHandoverTest, ATakeOverThatCannotBeWrittenSaysWhyAndLeavesTheOldRecordAsItWas)
{
    sendSecondBankTo(plain);
    const DeviceRecord moved(folder, socket2);
    for (const auto& [blocked, named] : {std::pair{moved.path(), "the device record "},
                                         std::pair{moved.contentsPath(), "the copy of the device's contents "}}) {
        SCOPED_TRACE(blocked);
        std::filesystem::create_directory(blocked);
        RecordHandover handover = RecordHandover::forDevice(folder, socket2, {socket2});
        ASSERT_EQ(handover.step(), Step::TakeOver);
        EXPECT_FALSE(handover.takeOver(folder, socket2));
        EXPECT_EQ(handover.failure().describe(), named + blocked + " could not be written (not a regular file)");
        std::filesystem::remove(blocked);
        expectSecondBankKnownOn(plain);
        EXPECT_EQ(DeviceRecord::recorded(folder), std::vector<MidiPortIdentity>{plain});
    }
}

} // namespace
