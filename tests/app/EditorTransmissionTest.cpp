// Sending banks to the device simulator from the window, on the virtual clock: the worker, the
// status line, the progress timer, the return to idle, failures, and what stays allowed meanwhile.
#include "EditorFixture.h"

#include "midiio/WrapperZQMidiInterface.h"
#include "tests/support/DeviceSimulator.h"

#include <QAction>
#include <QComboBox>
#include <QProgressBar>
#include <QTimer>

namespace {

using State = CEditor::State;
using Reply = IDialogs::AlertReply;

// The device's flash blocks of a sound bank: slots 0-3, then slots 4-5.
std::vector<std::uint8_t> flashOf(const DeviceSimulator& device, std::size_t bankIndex)
{
    std::vector<std::uint8_t> image = device.block(2 * bankIndex);
    const std::vector<std::uint8_t> second = device.block(2 * bankIndex + 1);
    image.insert(image.end(), second.begin(), second.end());
    return image;
}

class EditorTransmissionTest : public EditorFixture {
protected:
    void SetUp() override
    {
        device = &service.addDestinationOf<DeviceSimulator>();
        start();
    }

    QTimer& progressTimer() { return *editor->findChild<QTimer*>(QStringLiteral("timer_progress")); }

    DeviceSimulator* device = nullptr;
};

TEST_F(EditorTransmissionTest, SendsTheCurrentBankAndReturnsToIdle)
{
    selectRow(7);
    control<QComboBox>("popup_channel").setCurrentIndex(3);
    bool paused = false;
    pauseAt(50, [&] {
        paused = true;
        EXPECT_EQ(editor->state(), State::Send);
        EXPECT_EQ(textOf("text_status"), QStringLiteral("sending bank (S08)..."));
        EXPECT_FALSE(enabled("button_send"));
        EXPECT_FALSE(control<QAction>("menu_quit").isEnabled());
        ASSERT_NE(editor->midi(), nullptr);
        progressTimer().stop();
        editor->ProgressTimer();
        const int percent = control<QProgressBar>("progress_out").value();
        EXPECT_EQ(static_cast<std::uint64_t>(percent), editor->midi()->Progress());
        EXPECT_GT(percent, 40);
        EXPECT_LT(percent, 60);
        EXPECT_TRUE(progressTimer().isActive());
    });
    click("button_send");
    EXPECT_EQ(editor->state(), State::Send);
    EXPECT_TRUE(control<QProgressBar>("progress_out").isVisible());
    runUntilIdle();
    EXPECT_TRUE(paused);

    EXPECT_EQ(device->erasedBlocks(), (std::vector<std::size_t>{14, 15}));
    EXPECT_EQ(device->writtenBlocks(), (std::vector<std::size_t>{14, 15}));
    EXPECT_EQ(device->writeChannels(), (std::vector<unsigned>{3, 3}));
    EXPECT_EQ(flashOf(*device, 7), imageOf(editor->workBank(7)));
    EXPECT_TRUE(device->faults().empty());
    EXPECT_EQ(device->packets().size(), 1u); // the all-notes-off packet of the new output

    EXPECT_EQ(textOf("text_status"), QString());
    EXPECT_EQ(editor->midi(), nullptr);
    EXPECT_TRUE(enabled("button_send"));
    EXPECT_TRUE(control<QAction>("menu_quit").isEnabled());
    EXPECT_FALSE(control<QProgressBar>("progress_out").isVisible());
    EXPECT_TRUE(dialogs.alerts().empty());

    // A tick after the return to idle neither moves the bar nor arms another one.
    progressTimer().stop();
    const int value = control<QProgressBar>("progress_out").value();
    editor->ProgressTimer();
    EXPECT_FALSE(progressTimer().isActive());
    EXPECT_EQ(control<QProgressBar>("progress_out").value(), value);
}

TEST_F(EditorTransmissionTest, SendsAllBanksInRowOrderAfterTransmitIsChosen)
{
    click("radiobutton_options_1");
    std::vector<QString> statuses;
    for (std::uint64_t second = 10; second < 3600; second += 10) {
        pauseAt(second, [&] {
            if (statuses.empty() || statuses.back() != textOf("text_status"))
                statuses.push_back(textOf("text_status"));
        });
    }
    dialogs.answerNextAlert(Reply::Default);
    click("button_send");
    runUntilIdle();

    ASSERT_EQ(dialogs.alerts().size(), 1u);
    const IDialogs::Alert& confirmation = dialogs.alerts()[0];
    EXPECT_EQ(confirmation.style, IDialogs::AlertStyle::Informational);
    EXPECT_EQ(confirmation.title, "Send All Banks");
    EXPECT_EQ(confirmation.message, "The sending of all banks take over 50 Minutes.\nDo you want to really transmit?");
    EXPECT_EQ(confirmation.defaultButton, "Transmit");
    EXPECT_EQ(confirmation.alternateButton, "Cancel");

    ASSERT_EQ(statuses.size(), 32u);
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(statuses[static_cast<std::size_t>(row)],
                  QString::fromStdString("sending bank (" + editor->workBank(row).getName() + ")..."));
    std::vector<std::size_t> blocks(64);
    for (std::size_t block = 0; block < blocks.size(); ++block)
        blocks[block] = block;
    EXPECT_EQ(device->erasedBlocks(), blocks);
    EXPECT_EQ(flashOf(*device, 30), imageOf(editor->workBank(30)));
    ASSERT_EQ(device->otherMessages().size(), 2u); // the firmware bank's messages, delivered as stored
    EXPECT_TRUE(device->faults().empty());
    EXPECT_EQ(textOf("text_status"), QString());
}

TEST_F(EditorTransmissionTest, CancelSendsNothingButTheSilencingPacket)
{
    click("radiobutton_options_1");
    dialogs.answerNextAlert(Reply::Alternate);
    click("button_send");
    runUntilIdle();
    EXPECT_EQ(dialogs.alerts().size(), 1u);
    EXPECT_EQ(device->packets().size(), 1u);
    EXPECT_TRUE(device->sysexMessages().empty());
    EXPECT_EQ(editor->midi(), nullptr);
    EXPECT_TRUE(enabled("button_send"));
}

TEST_F(EditorTransmissionTest, OutputThatDisappearsStopsTheTransmissionWithAnAlert)
{
    // Between the first erase (after 3 s) and the first write (after 6 s more).
    clock.at(5'000'000, [&] { device->vanishAfter(1000); });
    click("button_send");
    runUntilIdle();

    ASSERT_EQ(dialogs.alerts().size(), 1u);
    const IDialogs::Alert& failure = dialogs.alerts()[0];
    EXPECT_EQ(failure.style, IDialogs::AlertStyle::Critical);
    EXPECT_EQ(failure.title, "Transmission Failed");
    EXPECT_EQ(failure.message, "The MIDI output stopped accepting data.");
    EXPECT_EQ(failure.defaultButton, "OK");
    EXPECT_EQ(device->erasedBlocks(), (std::vector<std::size_t>{8}));
    EXPECT_TRUE(device->writtenBlocks().empty());
    EXPECT_EQ(device->sysexMessages().size(), 1u); // nothing after the broken message
    EXPECT_EQ(textOf("text_status"), QString());
    EXPECT_EQ(editor->midi(), nullptr);
    EXPECT_TRUE(enabled("button_send"));
    EXPECT_TRUE(control<QAction>("menu_quit").isEnabled());
}

TEST_F(EditorTransmissionTest, EditingDuringASendLeavesTheBankOnItsWayUntouched)
{
    make("printf 'raw' > " + path("raw.txt"));
    const std::string file = allBanksFile("all.mid");
    const std::vector<std::uint8_t> s05 = imageOf(editor->workBank(4));
    bool paused = false;
    pauseAt(20, [&] {
        paused = true;
        type("textfield_bankName", QStringLiteral("renamed while sending"));
        dialogs.chooseNextFile(path("raw.txt"));
        click("button_openContents_4");
        click("button_reset");
        dialogs.chooseNextFile(file);
        click("button_load");
        ASSERT_EQ(dialogs.alerts().size(), 1u);
        EXPECT_EQ(dialogs.alerts()[0].title, "Reset to Default");
        EXPECT_EQ(dialogs.alerts()[0].message, "Don't Reset To Default any bank during sending or receiveing!");
        EXPECT_EQ(dialogs.alerts()[0].alternateButton, "");
        EXPECT_EQ(tableRow(4), QStringLiteral("file bank 4"));
    });
    click("button_send");
    runUntilIdle();
    EXPECT_TRUE(paused);
    EXPECT_EQ(flashOf(*device, 4), s05);
    EXPECT_TRUE(device->faults().empty());
    EXPECT_EQ(editor->workBank(4).getName(), "file bank 4");
}

TEST_F(EditorTransmissionTest, QuittingAndClosingAreRefusedWhileSending)
{
    bool paused = false;
    pauseAt(30, [&] {
        paused = true;
        EXPECT_FALSE(editor->applicationShouldTerminate());
        EXPECT_FALSE(control<QAction>("menu_quit").isEnabled());
        EXPECT_FALSE(editor->close());
        EXPECT_TRUE(editor->isVisible());
        // The send item and the receive action are refused as well.
        control<QAction>("menu_send").trigger();
        control<QAction>("menu_receive").trigger();
        EXPECT_EQ(editor->state(), State::Send);
    });
    click("button_send");
    runUntilIdle();
    EXPECT_TRUE(paused);
    EXPECT_EQ(device->packets().size(), 1u);
    EXPECT_TRUE(editor->applicationShouldTerminate());
    EXPECT_TRUE(editor->close());
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(EditorTransmissionTest, ReceiveReportsThatItIsNotSupported)
{
    control<QAction>("menu_receive").trigger();
    EXPECT_EQ(editor->state(), State::Receive);
    EXPECT_TRUE(control<QProgressBar>("progress_out").isVisible());
    EXPECT_EQ(control<QProgressBar>("progress_out").value(), 0);
    EXPECT_FALSE(control<QAction>("menu_quit").isEnabled());
    EXPECT_TRUE(enabled("button_send"));
    progressTimer().stop();
    editor->ProgressTimer();
    EXPECT_EQ(control<QProgressBar>("progress_out").value(), 0);
    EXPECT_TRUE(progressTimer().isActive());

    runUntilIdle();
    ASSERT_EQ(dialogs.alerts().size(), 1u);
    EXPECT_EQ(dialogs.alerts()[0].title, "");
    EXPECT_EQ(dialogs.alerts()[0].message, "Receive from ZYLOX is not supported yet!");
    EXPECT_EQ(dialogs.alerts()[0].defaultButton, "OK");
    EXPECT_FALSE(control<QProgressBar>("progress_out").isVisible());
    EXPECT_TRUE(control<QAction>("menu_quit").isEnabled());
}

} // namespace
