// Sending banks from the window to the device simulator on the virtual clock: the worker, the status
// line, the progress timer, the return to idle, a vanishing output, what stays allowed meanwhile,
// another sender to the device, and a device record that cannot be written.
#include "EditorFixture.h"

#include "midiio/record/DeviceRecord.h"
#include "midiio/record/SenderLock.h"
#include "tests/support/DeviceSimulator.h"

#include <QMetaObject>
#include <QProgressBar>
#include <QTimer>

#include <filesystem>
#include <numeric>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class EditorTransmissionTest : public EditorFixture {
protected:
    // A sound bank's two flash blocks: slots 0-3, then slots 4-5.
    Bytes flashOf(std::size_t bank)
    {
        Bytes image = device.block(2 * bank);
        const Bytes second = device.block(2 * bank + 1);
        image.insert(image.end(), second.begin(), second.end());
        return image;
    }

    // The progress timer's tick now, and no other until it arms itself again.
    void tickProgress()
    {
        auto& timer = control<QTimer>("timer_progress");
        timer.stop();
        QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
    }

    // Made before the window, which lists it as its output.
    DeviceSimulator& device = service.addDestinationOf<DeviceSimulator>();
};

TEST_F(EditorTransmissionTest, SendsTheCurrentBankIntoItsFlashBlocksAndRefusesQuitAndCloseMeanwhile)
{
    selectRow(7);
    control<QComboBox>("popup_channel").setCurrentIndex(3);
    pauseAt(50, [&] {
        EXPECT_EQ(controls(), "++++ sending bank (S08)...");
        EXPECT_EQ(textOf("button_send"), "Sto&p");
        EXPECT_EQ(textOf("menu_send"), "&Stop");
        reply = AlertReply::Alternate; // Keep Sending
        EXPECT_FALSE(editor->close());
        reply = AlertReply::Default;
        tickProgress();
        // 50 s of the 102 s estimate, the rest of the bank left.
        EXPECT_EQ(control<QProgressBar>("progress_out").value(), 49);
        EXPECT_EQ(control<QProgressBar>("progress_out").format().toStdString(), "%p%, 52 s left");
        EXPECT_TRUE(control<QTimer>("timer_progress").isActive());
    });
    send();
    EXPECT_EQ(checksRun, 1);
    EXPECT_EQ(device.erasedBlocks(), (std::vector<std::size_t>{14, 15}));
    EXPECT_EQ(device.writeChannels(), (std::vector<unsigned>{3, 3}));
    EXPECT_EQ(flashOf(7), imageOf(editor->workBank(7)));
    // The end says what went where, in the transport clock's time.
    EXPECT_EQ(controls(), "+++- Sent S08 to ZYLOX 515:ZYLOX 515 MIDI In in 1 min 41 s");
    EXPECT_EQ(textOf("button_send"), "Sen&d");
    EXPECT_EQ(textOf("menu_send"), "&Send");
    EXPECT_EQ(shown, Texts{"question|Quit While Sending?|Banks are being sent to the device. Stop the transmission "
                           "and quit?\nThe bank on its way will be incomplete on the device and must be sent "
                           "again.|Stop and Quit|Keep Sending|Enter: Keep Sending"});

    // A tick after the return to idle arms no other.
    tickProgress();
    EXPECT_FALSE(control<QTimer>("timer_progress").isActive());
    EXPECT_TRUE(editor->close());
}

TEST_F(EditorTransmissionTest, SendByItsKeyTakesTheNameBeingTypedBeforeItStarts)
{
    typeWithoutReturn("textfield_bankName", "Kit");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
    // The button goes down at once and clicks a moment later; the name is the bank's already.
    EXPECT_TRUE(control<QAbstractButton>("button_send").isDown());
    EXPECT_EQ(bankName(4), "Kit");
}

TEST_F(EditorTransmissionTest, SendsAllBanksInRowOrderOnlyAfterTransmit)
{
    const std::string question = "question|Send All Banks|The sending of all banks take over 50 Minutes.\n"
                                 "Do you want to really transmit?|Transmit|Cancel";
    const std::string operatingSystem = "question|Send Firmware|Also rewrite the device's operating system (block "
                                        "63)?\n\nThe presets are sent either "
                                        "way. Rewrite the operating system only to change it: if its write is cut, the "
                                        "device may not start.|Leave It "
                                        "Alone|Cancel|Rewrite It";
    click("radiobutton_options_1");
    reply = AlertReply::Alternate;
    send();
    EXPECT_TRUE(device.packets().empty()); // asked before the output is opened
    EXPECT_TRUE(device.sysexMessages().empty());
    EXPECT_EQ(controls(), "+++- ");

    Texts statuses;
    for (std::uint64_t second = 10; second < 3600; second += 10) {
        pauseAt(second, [&] {
            if (statuses.empty() || statuses.back() != statusLine())
                statuses.push_back(statusLine());
        });
    }
    reply = AlertReply::Default;
    send();
    // Enter leaves the device's operating system alone.
    EXPECT_EQ(shown, (Texts{question, question, operatingSystem}));
    ASSERT_EQ(statuses.size(), 32u);
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(statuses.at(row), "sending bank (" + bankName(row) + ")...");
    std::vector<std::size_t> blocks(63);
    std::iota(blocks.begin(), blocks.end(), 0);
    EXPECT_EQ(device.erasedBlocks(), blocks);
    EXPECT_EQ(device.otherMessages().size(), 1u); // the firmware's presets, delivered as stored
    EXPECT_TRUE(device.faults().empty());
    EXPECT_EQ(controls(),
              "+++- Sent 32 banks (S01 to S31, FW (first block)) to ZYLOX 515:ZYLOX 515 MIDI In in 53 min 29 s");

    // Asked for, the operating system goes too, after the presets.
    shown.clear();
    reply = AlertReply::Other;
    click("radiobutton_options_0");
    selectRow(31);
    send();
    EXPECT_EQ(shown, Texts{operatingSystem});
    EXPECT_EQ(std::vector<std::size_t>(device.erasedBlocks().end() - 2, device.erasedBlocks().end()),
              (std::vector<std::size_t>{62, 63}));
    EXPECT_EQ(device.otherMessages().size(), 3u);
    EXPECT_EQ(controls(), "+++- Sent FW to ZYLOX 515:ZYLOX 515 MIDI In in 1 min 37 s");
}

TEST_F(EditorTransmissionTest, OutputThatDisappearsStopsTheTransmissionWithAnAlert)
{
    // Between the first erase (after 3 s) and the first write (after 6 s more).
    clock.at(5'000'000, [&] { device.vanishAfter(1000); });
    send();
    EXPECT_EQ(shown, Texts{"critical|Transmission Failed|The MIDI output stopped accepting data.\n\n"
                           "Sent completely: none.\nOn the device: S05, first block, incomplete (its flash block was "
                           "erased or partly written: send it again).\nNot sent: none.|OK|"});
    EXPECT_EQ(device.erasedBlocks(), (std::vector<std::size_t>{8}));
    EXPECT_EQ(device.sysexMessages().size(), 1u); // nothing after the broken message
    // The output has gone: it stays chosen, shown as disconnected, and Send waits for it.
    EXPECT_EQ(control<QComboBox>("popup_out").currentText(), "ZYLOX 515:ZYLOX 515 MIDI In (disconnected)");
    EXPECT_EQ(controls(), "--+- Sending to ZYLOX 515:ZYLOX 515 MIDI In failed after 9 s: 0 of 1 bank sent, S05 "
                          "(first block) must be sent again");
}

// The command line of root or of another user keeps its record in a state folder of its own; the
// senders meet in the folder shared by everyone all the same.
TEST_F(EditorTransmissionTest, OneSenderPerDeviceForEveryUserAndTheOtherIsToldWhoHoldsIt)
{
    std::filesystem::create_directory(path("lock"));
    std::filesystem::permissions(path("lock"), std::filesystem::perms::all | std::filesystem::perms::sticky_bit);
    service.shareLocksIn(path("lock"));
    const SenderLock::Places root{path("lock"), path("root-state")};
    const MidiPortIdentity identity = MidiPortIdentity::of(device.names);
    const std::string process = "process " + std::to_string(getpid());
    // The command line sending to the device meanwhile.
    const SenderLock::Taken commandLine = SenderLock::take(identity, "zylox", root);
    click("button_send");
    EXPECT_EQ(shown, Texts{"critical|Transmission Failed|Nothing was sent: ZYLOX 515:ZYLOX 515 MIDI In is being sent "
                           "to by zylox, "
                           + process + ".|OK|"});
    EXPECT_TRUE(device.packets().empty());
    EXPECT_EQ(controls(),
              "+++- Nothing was sent: ZYLOX 515:ZYLOX 515 MIDI In is being sent to by zylox, " + process + ".");
}

// Which write of the record or its copy can fail when, and what is sent then, is
// TransmissionRunTest's; here the window says it.
TEST_F(EditorTransmissionTest, ARecordThatCannotBeWrittenSendsNothingAndACopyThatCannotIsSaidAfterTheSend)
{
    const std::string folder = path("state") + "/zylox";
    const std::string file = folder + "/" + DeviceRecord::fileName(MidiPortIdentity::of(device.names), "");
    std::filesystem::create_directories(folder);
    ASSERT_EQ(::mkfifo((file + ".txt").c_str(), 0600), 0);
    send();
    EXPECT_EQ(shown, Texts{"critical|Transmission Failed|S05 was not sent: the device record " + file
                           + ".txt could not be written (not a regular file).\n\nSent completely: none.\nIncomplete on "
                             "the device: none.\nNot sent: S05.|OK|"});
    EXPECT_TRUE(device.erasedBlocks().empty());
    std::filesystem::remove(file + ".txt");

    // Where only the copy of the contents cannot be kept, the bank arrives and the window says so.
    std::filesystem::create_directory(file + ".contents");
    shown.clear();
    send();
    EXPECT_EQ(shown, Texts{"informational|Transmission Not Recorded|Sent completely: S05.\nIncomplete on the device: "
                           "none.\nNot sent: none.\n\nNot kept: the copy of the device's contents "
                           + file
                           + ".contents could not be written (not a regular file); what was sent counts as unknown "
                             "there.|OK|"});
    EXPECT_EQ(device.erasedBlocks(), (std::vector<std::size_t>{8, 9}));
}

TEST_F(EditorTransmissionTest, EditsWhileSendingLeaveTheBankOnItsWayAloneAndResetIsRefused)
{
    const Bytes s05 = imageOf(editor->workBank(4));
    paths = {make("raw.txt", "printf 'raw' >"), bankFile("all.mid")};
    pauseAt(20, [&] {
        type("textfield_bankName", "renamed while sending");
        click("button_openContents_4");
        click("button_reset");
        EXPECT_EQ(statusLine(), "Not reset: S05 stays as it is while banks are being sent");
        click("button_load");
        EXPECT_EQ(shown,
                  (Texts{kOpenSound, rawQuestion("raw.txt"),
                         "informational|Reset to Default|Don't Reset To Default any bank during sending "
                         "or receiveing!|OK|",
                         saveChangesQuestion("The bank \"renamed while sending\" has", "opening another bank file"),
                         "open mid"}));
        EXPECT_EQ(tableRow(4), "file bank 4");
        EXPECT_EQ(statusLine(), "Opened S05 from all.mid");
    });
    send();
    EXPECT_EQ(checksRun, 1);
    EXPECT_EQ(flashOf(4), s05);
}

} // namespace
