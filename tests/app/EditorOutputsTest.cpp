// The live output list, Stop, Resume, sending only what changed and the output settings, from the
// window, over the loopback service with the device simulator and the virtual clock.
#include "EditorFixture.h"

#include "app/transfer/OutputList.h"
#include "midiio/record/DeviceRecord.h"
#include "tests/support/DeviceSimulator.h"

#include <QSpinBox>

#include <unistd.h>

namespace {

using Blocks = std::vector<std::size_t>;

class EditorOutputsTest : public EditorFixture {
protected:
    // The record of a device that was sent every bank as the window holds it now.
    void recordEveryBankSent()
    {
        DeviceRecord record(DeviceRecord::defaultFolder(), MidiPortIdentity::of(device.names));
        for (std::size_t row = 0; row < 32; ++row) {
            const std::unique_ptr<IBank> bank(editor->workBank(static_cast<int>(row)).clone());
            const auto blocks = DeviceRecord::blockFingerprints(*bank, 0);
            record.remember(2 * row, blocks[0]);
            record.remember(2 * row + 1, blocks[1]);
        }
    }
    // The device sent every bank, then S07's slot given other bytes, as raw device data; what
    // the dialogs showed until then is forgotten.
    void changeS07AfterEverythingWasSent(int index)
    {
        recordEveryBankSent();
        paths = {make("raw.bin", "head -c 5000 /dev/urandom >")};
        selectRow(6);
        click("button_openContents_" + QString::number(index));
        EXPECT_NE(slot(6, index), editor->defaultBank(6).getContent(static_cast<std::uint16_t>(index))->getData());
        shown.clear();
    }

    DeviceSimulator& device = service.addDestinationOf<DeviceSimulator>();
    const std::string zylox = "ZYLOX 515:ZYLOX 515 MIDI In";
};

TEST_F(EditorOutputsTest, TheListFollowsDevicesAndKeepsTheChoiceByIdentity)
{
    LoopbackDestination& through = service.addDestination({"", "Midi Through", "Midi Through Port-0"});
    settle();
    EXPECT_EQ(outputList(), (Texts{"*" + zylox, "Midi Through:Midi Through Port-0"}));

    service.unplug(device);
    settle();
    EXPECT_EQ(outputList(), (Texts{"*" + zylox + " (disconnected)", "Midi Through:Midi Through Port-0"}));
    EXPECT_FALSE(control<QAbstractButton>("button_send").isEnabled());

    service.plugIn(device); // now listed after the other port
    settle();
    EXPECT_EQ(outputList(), (Texts{"Midi Through:Midi Through Port-0", "*" + zylox}));
    send();
    EXPECT_EQ(device.erasedBlocks(), (Blocks{8, 9}));
    EXPECT_TRUE(through.sysexMessages().empty());

    // The user's choice survives its device going and coming back too, and another's going.
    control<QComboBox>("popup_out").setCurrentIndex(0);
    service.unplug(through);
    service.plugIn(through);
    service.unplug(device);
    settle();
    EXPECT_EQ(outputList(), (Texts{"*Midi Through:Midi Through Port-0"}));
    EXPECT_EQ(editor->outputs().chosen().toString(), "Midi Through:Midi Through Port-0");

    service.unplug(through);
    settle();
    EXPECT_EQ(outputList(), (Texts{"*Midi Through:Midi Through Port-0 (disconnected)"}));
}

TEST_F(EditorOutputsTest, APortAddedOrRemovedDuringASendLeavesItAlone)
{
    LoopbackDestination* other = nullptr;
    pauseAt(20, [&] {
        other = &service.addDestination({"", "New", "New Port"});
        settle();
    });
    pauseAt(60, [&] {
        EXPECT_EQ(outputList(), (Texts{"*" + zylox, "New:New Port"}));
        service.unplug(*other);
        settle();
        EXPECT_EQ(outputList(), Texts{"*" + zylox});
    });
    send();
    EXPECT_EQ(checksRun, 2);
    EXPECT_EQ(device.writtenBlocks(), (Blocks{8, 9}));
    EXPECT_TRUE(shown.empty());
}

// All banks, stopped in S03's second write (S03 begins at about 203.8 s, its second erase goes at
// 257.7 s); the other points a stop can fall on are TransmissionRunTest's. The operating system is
// left alone. Another output is chosen before the stop: the rest is offered to the device the
// banks went to all the same.
TEST_F(EditorOutputsTest, StopAccountsForTheDeviceAndTheNextSendToItOffersTheRest)
{
    service.addDestination({"", "Other", "Other Port"});
    settle();
    click("radiobutton_options_1");
    pauseAt(270, [&] {
        control<QComboBox>("popup_out").setCurrentIndex(1);
        click("button_send");
        EXPECT_EQ(statusLine(), "stopping...");
    });
    send();
    ASSERT_EQ(shown.size(), 3u); // all banks, the operating system, the account
    EXPECT_EQ(shown.at(2), "informational|Transmission Stopped|Sent completely: S01, S02.\nOn the device: S03, second "
                           "block, incomplete (its flash block was erased or partly written: send it again).\nNot "
                           "sent: S04 to S31, FW (first block).\n\nTo send the 30 banks that did not finish, choose "
                           "All banks and Send.|OK|");
    EXPECT_EQ(device.erasedBlocks(), (Blocks{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(statusLine(), "Stopped sending to " + zylox
                                + " after 4 min 30 s: 2 of 32 banks sent, S03 (second block) must be sent "
                                  "again");
    reply = AlertReply::Alternate;
    click("button_send");
    EXPECT_EQ(shown.at(3), "question|Send All Banks|The sending of all banks take over 50 Minutes.\nDo you want to "
                           "really transmit?|Transmit|Cancel");
    control<QComboBox>("popup_out").setCurrentIndex(0);
    reply = AlertReply::Default;

    // Resume: the blocks left, from the incomplete one on; the operating system is not asked about
    // again.
    const std::string left = "question|Send All Banks|The last transmission of all banks to this device did not "
                             "finish: 30 banks are left, starting with S03 (second block) (about 49 min 18 s).\nSend "
                             "the banks that are left, or all 32 banks again?|Send 30 Left|Cancel|Send All 32";
    shown.clear();
    send();
    EXPECT_EQ(shown, Texts{left});
    const Blocks resumed(device.erasedBlocks().begin() + 6, device.erasedBlocks().end());
    ASSERT_EQ(resumed.size(), 58u);
    EXPECT_EQ(resumed.front(), 5u);
    EXPECT_EQ(resumed.back(), 62u);
    EXPECT_TRUE(device.faults().empty() || device.faults().back().rfind("message broken off", 0) == 0);
}

TEST_F(EditorOutputsTest, ClosingDuringASendStopsItTellsTheDeviceStateAndQuits)
{
    // The worker is held until the window asks; closing waits for it to end. Where it stops, in
    // a pause or a message, is the worker's race with the answer.
    std::promise<void> asked;
    bool closed = false;
    clock.at(clock.nowMicroseconds() + 30'000'000, [&] {
        QMetaObject::invokeMethod(
            qApp, [&] { closed = editor->close(); }, Qt::QueuedConnection);
        asked.get_future().wait();
    });
    whenAlerted = [&] {
        if (shown.back().find("|Quit While Sending?|") != std::string::npos)
            asked.set_value();
    };
    click("radiobutton_options_1");
    send();
    EXPECT_TRUE(closed);
    ASSERT_EQ(shown.size(), 4u); // all banks, the operating system, quit, the account
    EXPECT_EQ(shown[3].rfind("informational|Transmission Stopped|Sent completely: ", 0), 0u) << shown[3];
    EXPECT_FALSE(editor->isVisible());
    EXPECT_LT(device.erasedBlocks().size(), 64u);
}

TEST_F(EditorOutputsTest, SendOffersOnlyTheBlocksThatDifferFromWhatTheDeviceWasLastSent)
{
    const std::string unseen
        = "\n\nThis program keeps its own record of what it sent; it cannot see the device. If the "
          "device was changed by other means since, send ";
    const std::string bankOffer = "question|Send Bank|S07: the second block differs from what this device was last "
                                  "sent; the other is as it was sent."
                                  + unseen
                                  + "the whole bank.|Send 1 Changed Block (51 s)|Cancel|Send Whole Bank (1 "
                                    "min 42 s)";
    const std::string allOffer = "question|Send All Banks|1 of the 32 banks differs from what this device was last "
                                 "sent (S07 (second block)): sending it takes about 51 s.\nAll 32 banks take about "
                                 "53 min 33 s."
                                 + unseen + "all banks.|Send 1 Changed|Cancel|Send All 32";
    changeS07AfterEverythingWasSent(5); // the second block

    reply = AlertReply::Alternate;
    send();
    click("radiobutton_options_1");
    click("button_send");
    EXPECT_EQ(shown, (Texts{bankOffer, allOffer}));
    EXPECT_TRUE(device.sysexMessages().empty());
    reply = AlertReply::Default;
    send();
    EXPECT_EQ(device.erasedBlocks(), Blocks{13});
    EXPECT_EQ(device.writtenBlocks(), Blocks{13});
    EXPECT_EQ(statusLine(), "Sent S07 (second block) to " + zylox + " in 50 s");

    // Now the device holds everything the window does: the current bank goes whole without a
    // question, and all banks are offered all 32.
    click("radiobutton_options_0");
    shown.clear();
    send();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(device.erasedBlocks(), (Blocks{13, 12, 13}));
    reply = AlertReply::Alternate;
    click("radiobutton_options_1");
    click("button_send");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_THAT(shown[0], HasSubstr("|All 32 banks are as this device was last sent them.\nAll 32 banks take about"));
    EXPECT_EQ(shown[0].substr(shown[0].size() - 19), "|Send All 32|Cancel");
}

TEST_F(EditorOutputsTest, OutputSettingsAreKeptWithTheDeviceAndSlowItsSendsDown)
{
    const auto settings = [&](int piece, int gap) {
        control<QAction>("menu_outputSettings").trigger();
        auto& dialog = control<QDialog>("dialog_output_settings");
        for (const auto& [name, value] : {std::pair{"spinbox_piece", piece}, std::pair{"spinbox_gap", gap}}) {
            auto* box = dialog.findChild<QSpinBox*>(name);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, QString::number(value));
        }
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    settings(32, 20);
    EXPECT_EQ(statusLine(), "Output settings of " + zylox + ": pieces of 32 bytes, 20 ms after each");

    // The offer counts the gaps: 4,096 of 20 ms in each write.
    changeS07AfterEverythingWasSent(5);
    reply = AlertReply::Other;
    send();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_THAT(shown[0], HasSubstr("|Send 1 Changed Block (2 min 13 s)|Cancel|Send Whole Bank (4 min 26 s)"));
    EXPECT_EQ(statusLine(), "Sent S07 to " + zylox + " in 4 min 25 s");

    // The dialog opens with what is kept; while a send holds the device, nothing changes.
    control<QAction>("menu_outputSettings").trigger();
    EXPECT_EQ(control<QDialog>("dialog_output_settings").findChild<QSpinBox*>("spinbox_gap")->value(), 20);
    closeDialog(control<QDialog>("dialog_output_settings"), false);
    shown.clear();
    pauseAt(20, [&] { settings(256, 0); });
    send();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "critical|Output Settings|The output settings were not changed: " + zylox
                            + " is being sent to by zylox-editor, process " + std::to_string(getpid()) + ".|OK|");
    EXPECT_EQ(DeviceRecord(DeviceRecord::defaultFolder(), MidiPortIdentity::of(device.names)).pacing(),
              (OutputPacing{32, 20}));
}

} // namespace
