// Why Send, Receive and the output settings are unavailable, as the window tells it: the output
// list, the tooltips and the status line when a disabled control is pressed anyway.
#include "EditorFixture.h"

#include <QLabel>

namespace {

const std::string kNoSystem = "no MIDI system (the ALSA sequencer is not available: is the snd-seq module loaded?)";
const std::string kNoOutput = "no MIDI output: plug in your interface";

class EditorReasonsTest : public EditorFixture {
protected:
    std::string tipOf(const QString& name)
    {
        return control<QObject>(name).property("toolTip").toString().toStdString();
    }
    // Send's tooltip gives the reason, and so does the status line when Send is pressed anyway.
    void expectSendSays(const std::string& reason)
    {
        EXPECT_EQ(tipOf("button_send"), reason);
        click("button_send");
        EXPECT_EQ(statusLine(), reason);
    }
};

class EditorWithoutMidiSystemTest : public EditorReasonsTest {
protected:
    void SetUp() override
    {
        service.withoutSystem();
        EditorReasonsTest::SetUp();
    }
};

TEST_F(EditorReasonsTest, WithoutOutputsOrWithTheChosenOneUnpluggedTheListAndSendSayWhyAndAPressOnSendToo)
{
    EXPECT_EQ(control<QComboBox>("popup_out").currentText().toStdString(), kNoOutput);
    EXPECT_EQ(tipOf("menu_send"), kNoOutput);
    expectSendSays(kNoOutput);
    EXPECT_FALSE(editor->sending());
    // The output settings are a device's: none without an output.
    EXPECT_FALSE(control<QAction>("menu_outputSettings").isEnabled());
    EXPECT_EQ(tipOf("menu_outputSettings"), kNoOutput);

    // Plugged in, the button sends and its tooltip says what it does again.
    LoopbackDestination& device = service.addDestination({"", "UM-ONE", "UM-ONE MIDI 1"});
    settle();
    EXPECT_TRUE(control<QAbstractButton>("button_send").isEnabled());
    EXPECT_EQ(tipOf("button_send"), "Send the bank(s) to the ZYLOX 515 over MIDI");
    EXPECT_TRUE(control<QAction>("menu_outputSettings").isEnabled());
    EXPECT_NE(tipOf("menu_outputSettings"), kNoOutput);

    // Chosen and unplugged again, while another output is there, it is named as the reason.
    service.addDestination({"", "Midi Through", "Midi Through Port-0"});
    service.unplug(device);
    settle();
    expectSendSays("UM-ONE:UM-ONE MIDI 1 is disconnected: plug it in again or choose another output");
}

TEST_F(EditorWithoutMidiSystemTest, TheListSendAndOutputSettingsSayThereIsNoMidiSystemButTheCopiesAreLookedFor)
{
    EXPECT_EQ(control<QComboBox>("popup_out").currentText().toStdString(), kNoSystem);
    EXPECT_FALSE(control<QAbstractButton>("button_send").isEnabled());
    expectSendSays(kNoSystem);
    EXPECT_FALSE(control<QAction>("menu_outputSettings").isEnabled());
    EXPECT_EQ(tipOf("menu_outputSettings"), kNoSystem);

    // The copies of what devices were sent need no output: without any, that is what is said.
    control<QAction>("menu_saveDeviceContents").trigger();
    EXPECT_EQ(shown, Texts{"informational|Save Device Contents|No bank of any device is known: a bank is known once "
                           "it has been sent to the device completely.|OK|"});
}

TEST_F(EditorReasonsTest, ReceiveIsDisabledAndSaysTheDeviceCannotSendItsMemory)
{
    auto& receive = control<QAction>("menu_receive");
    EXPECT_FALSE(receive.isEnabled());
    EXPECT_EQ(tipOf("menu_receive"), "the ZYLOX 515 cannot send its memory");
    EXPECT_TRUE(control<QMenu>("menu_midi").toolTipsVisible());
    // Even when something asks for it, nothing starts: no alert, no progress.
    receive.trigger();
    settle();
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(control<QWidget>("progress_out").isVisible());
    EXPECT_FALSE(editor->sending());
}

} // namespace
