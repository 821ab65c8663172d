// `zylox send` as the command line runs it, over the loopback service with the device simulator on
// the virtual clock: the banks it sends, what it says, its exit status, the device it reaches, and
// what keeps it from a device.
#include "midiio/record/DeviceRecord.h"
#include "tests/cli/SendFixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

using SendCommandTest = SendFixture;

// Which block of a changed bank differs, and that a run sends it alone, is TransmissionRunTest's
// (ACompleteRunRecordsEveryBankAndAChangedBankNoLongerMatches, AStopInTheSecondBlock…) and the
// VirMIDI kernel test's, byte for byte.
TEST_F(SendCommandTest, ChangedSendsOnlyWhatTheDeviceWasNotSentAndTheOperatingSystemOnlyWithOs)
{
    const std::string osAlone = "FW: the device's operating system (block 63) is left alone (add --os to rewrite it)\n";
    const std::string recorded = " (as this program recorded it; send without --changed if the device was changed by "
                                 "other means)\n";
    EXPECT_EQ(zylox("send --port zylox --all --from S31 --yes"), 0);
    EXPECT_EQ(said(), osAlone
                          + "sending bank (S31)...\nS31: sent\n"
                            "sending bank (FIRMWARE - factory -)...\nFIRMWARE - factory -: sent\n");
    EXPECT_EQ(complained(), "");
    EXPECT_EQ(device.erasedBlocks(), (Blocks{60, 61, 62}));

    EXPECT_EQ(zylox("send --port zylox --all --from S30 --changed --yes"), 0);
    EXPECT_EQ(said(), osAlone + "1 of 3 banks differ from what " + zylox515 + " was last sent: S30" + recorded
                          + "sending bank (S30)...\nS30: sent\n");
    EXPECT_EQ(device.erasedBlocks(), (Blocks{60, 61, 62, 58, 59}));

    // On another channel the sound banks' dumps differ; the firmware's has no channel.
    EXPECT_EQ(zylox("send --port zylox --all --from 29 --changed --channel 2", nullptr), 1);
    EXPECT_EQ(said(), osAlone + "2 of 3 banks differ from what " + zylox515 + " was last sent: S30, S31" + recorded);
    EXPECT_EQ(complained(), "Sending 2 banks takes about 3 min 24 s.\nDo you want to really transmit? [y/N] "
                            "zylox: all banks: not confirmed, nothing sent\n");
    EXPECT_EQ(device.erasedBlocks().size(), 5u);
    EXPECT_TRUE(device.faults().empty());
}

TEST_F(SendCommandTest, SigtermAndSigintStopTheSendWithTheirOwnStatusAndTheAccount)
{
    for (const auto& [signal, status] : {std::pair{SIGTERM, 143}, std::pair{SIGINT, 130}}) {
        SCOPED_TRACE(signal);
        clock.at(clock.nowMicroseconds() + 50'000'000, [signal = signal] { std::raise(signal); }); // in S05's writes

        EXPECT_EQ(zylox("send --port 0 --bank S05"), status);

        EXPECT_EQ(said(), "sending bank (S05)...\nS05: STOPPED\n");
        // The account's words are TransmissionRunTest.AStopInTheSecondBlockIsAccountedFor...'s.
        EXPECT_TRUE(complained().starts_with("zylox: port 0: stopped\nSent completely: none.\nOn the device: S05, "));
    }
}

TEST_F(SendCommandTest, TheBanksGoToTheDeviceChosenBeforeTheQuestionOrNowhere)
{
    LoopbackDestination& other = service->addDestination({"", "Other", "Other Port"});
    // Unplugged and plugged in again while the question waits: now listed after the other.
    Answer replugged("y\n", [&] {
        service->unplug(device);
        service->plugIn(device);
    });
    EXPECT_EQ(zylox("send --port zylox --all --from FW --os", &replugged), 0);
    EXPECT_EQ(device.erasedBlocks(), (Blocks{62, 63}));
    EXPECT_TRUE(other.sysexMessages().empty());
    const std::string question = "Sending 1 banks takes about 1 min 37 s.\nDo you want to really transmit? [y/N] ";
    EXPECT_EQ(complained(), question);

    // Gone, and the other in the place it had when it was chosen.
    service->unplug(other);
    service->plugIn(other);
    Answer gone("y\n", [&] { service->unplug(device); });
    EXPECT_EQ(zylox("send --port 0 --all --from FW --os", &gone), 1);
    EXPECT_EQ(complained(), question + "zylox: port 0: " + zylox515 + " is not connected any more; nothing sent\n");
    EXPECT_TRUE(other.packets().empty());
    EXPECT_TRUE(other.sysexMessages().empty());
    EXPECT_EQ(device.erasedBlocks(), (Blocks{62, 63}));
}

TEST_F(SendCommandTest, PacingKeptForTheDeviceOrGivenForOneSendSlowsItsMessagesDown)
{
    const std::string wirePace = zylox515 + ": pieces of 256 bytes, no gap (the wire's own pace)\n";
    EXPECT_EQ(zylox("pacing --port 0"), 0);
    EXPECT_EQ(said(), wirePace);
    for (const char* wrong : {"pacing --port 0 --piece 15", "pacing --port 0 --piece 257", "pacing --port 0 --gap 101",
                              "send --port 0 --bank S05 --gap -1", "pacing --piece 32"})
        EXPECT_EQ(zylox(wrong), 2) << wrong;

    // Kept: each option alone changes its half only.
    EXPECT_EQ(zylox("pacing --port zylox --piece 32"), 0);
    EXPECT_EQ(zylox("pacing --port zylox --gap 20"), 0);
    EXPECT_EQ(said(),
              zylox515 + ": pieces of 32 bytes, no gap\n" + zylox515 + ": pieces of 32 bytes, 20 ms after each\n");
    const std::uint64_t start = clock.nowMicroseconds();
    EXPECT_EQ(zylox("send --port 0 --bank S05"), 0);
    EXPECT_EQ(said(), "pacing: pieces of 32 bytes, 20 ms after each\nsending bank (S05)...\nS05: sent\n");
    // A write in 4,097 pieces has 4,096 gaps of 20 ms.
    const std::uint64_t bank = 18'000'000 + 2 * (1'920 + 41'944'960);
    EXPECT_GE(clock.nowMicroseconds() - start, bank + 2 * 4'096 * 20'000);

    // Given for one send, over what is kept.
    EXPECT_EQ(zylox("send --port 0 --bank S05 --gap 0"), 0);
    EXPECT_EQ(said(), "pacing: pieces of 32 bytes, no gap\nsending bank (S05)...\nS05: sent\n");
    EXPECT_TRUE(device.faults().empty());
}

// A unit plugged into another socket: a record of its names under a socket now empty may be its own.
// Only a user at a terminal can say so; a script's answer is always no, whatever --yes says.
TEST_F(SendCommandTest, AnInterfaceInANewSocketTakesTheRecordOfTheOldOneOnlyWhenTheUserSaysSo)
{
    DeviceSimulator& before = service->addDestinationOf<DeviceSimulator>(3125, "usb-0000:00:14.0-2");
    // Both interfaces hold the name: the user is to name one, by its socket.
    EXPECT_EQ(zylox("send --port zylox --bank S01"), 2);
    EXPECT_EQ(complained(), "zylox: --port zylox: several output ports have this in their name; name one of them:\n0: "
                                + zylox515 + "\n1: " + zylox515 + " (USB socket 2)\n");
    EXPECT_EQ(zylox("send --port 'socket 2' --bank S01"), 0);
    service->unplug(before);
    DeviceSimulator& script = service->addDestinationOf<DeviceSimulator>(3125, "usb-0000:00:14.0-4");
    said();
    const std::string question = zylox515
                                 + " (USB socket 4) has no device record.\nIs this the same ZYLOX 515 as "
                                   "the one last sent to through "
                                 + zylox515 + " (USB socket 2)?";

    EXPECT_EQ(zylox("send --port 'socket 4' --bank S01 --changed --yes"), 0);
    EXPECT_EQ(complained(), question
                                + "\nNo terminal to answer: taken as another device, each keeps a record of "
                                  "its own.\n");
    EXPECT_EQ(said().substr(0, 19), "1 of 1 bank differs");
    EXPECT_EQ(script.erasedBlocks(), (Blocks{0, 1}));

    service->unplug(script);
    DeviceSimulator& moved = service->addDestinationOf<DeviceSimulator>(3125, "usb-0000:00:14.0-5");
    onTerminal = true;
    said();
    std::istringstream yes("y\n");
    EXPECT_EQ(zylox("send --port 'socket 5' --bank S01 --changed", yes.rdbuf()), 0);
    EXPECT_EQ(complained(), question.substr(0, question.find(" (USB socket 4)")) + " (USB socket 5)"
                                + question.substr(question.find(" has no"))
                                + " Its record then moves to this socket. [y/N] ");
    EXPECT_EQ(said().substr(0, 19), "0 of 1 bank differs");
    // Which records a take-over leaves is RecordHandoverTest's.
    EXPECT_TRUE(moved.erasedBlocks().empty());
}

// Another sender, or a change of pacing, while a send holds the device; here the lock is in a
// sticky folder open to everyone as the system's /run/lock is. Senders of other users or without a
// state folder are SenderLockTest's.
TEST_F(SendCommandTest, ASecondSenderOrAPacingChangeIsRefusedWhileASendHoldsTheDevice)
{
    const std::string shared = scratch.file("lock");
    std::filesystem::create_directory(shared);
    std::filesystem::permissions(shared, std::filesystem::perms::all | std::filesystem::perms::sticky_bit);
    service->shareLocksIn(shared);
    for (const auto& [words, refused] : {std::pair{"send --port 0 --bank S06", "nothing sent"},
                                         std::pair{"pacing --port 0 --gap 50", "pacing not changed"}}) {
        SCOPED_TRACE(words);
        int second = -1;
        clock.at(clock.nowMicroseconds() + 20'000'000, [&, words = words] { second = alongside(words); });

        EXPECT_EQ(zylox("send --port 0 --bank S05"), 0);

        EXPECT_EQ(second, 1);
        EXPECT_EQ(complained(), "zylox: port 0: " + std::string(refused) + ": " + zylox515
                                    + " is being sent to by zylox, process " + std::to_string(getpid()) + "\n");
    }
    EXPECT_EQ(device.erasedBlocks(), (Blocks{8, 9, 8, 9}));
    EXPECT_TRUE(device.faults().empty());
    EXPECT_EQ(DeviceRecord(DeviceRecord::defaultFolder(), {"ZYLOX 515", "ZYLOX 515 MIDI In"}).pacing(), OutputPacing{});
}

// A record whose file cannot be written stops the send before its bank; a copy of the contents that
// cannot be kept lets the bank go and says so. Which files the record and the copy refuse is
// TransmissionRunTest's, and a folder that cannot be made DeviceRecordTest's.
TEST_F(SendCommandTest, ARecordOrCopyThatCannotBeWrittenNamesItsFileAndWhy)
{
    const auto stateFile = [&](const std::string& extension) {
        return scratch.file("state/zylox/") + DeviceRecord::fileName({"ZYLOX 515", "ZYLOX 515 MIDI In"}, extension);
    };
    std::filesystem::create_directories(scratch.file("state/zylox"));
    ASSERT_EQ(::mkfifo(stateFile(".txt").c_str(), 0600), 0);
    EXPECT_EQ(zylox("send --port 0 --bank S05"), 1);
    EXPECT_EQ(complained(), "zylox: port 0: bank S05 (S05) not sent: the device record " + stateFile(".txt")
                                + " could not be written (not a regular file); Sent completely: none; Incomplete on "
                                  "the device: none; Not sent: S05.\n");
    EXPECT_TRUE(device.erasedBlocks().empty());
    std::filesystem::remove(stateFile(".txt"));

    std::filesystem::create_directory(stateFile(".contents"));
    EXPECT_EQ(zylox("send --port 0 --bank S05"), 0);
    EXPECT_EQ(complained(),
              "zylox: port 0: the copy of the device's contents " + stateFile(".contents")
                  + " could not be written (not a regular file); what was sent counts as unknown there\n");
}

} // namespace
