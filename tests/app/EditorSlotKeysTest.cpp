// The slot list from the keyboard, and the large waveform following the slot last changed.
#include "EditorFixture.h"

#include "app/sounds/WaveformView.h"

namespace {

class EditorSlotKeysTest : public EditorFixture {
protected:
    Bytes large() { return control<WaveformView>("view_waveform_selected").samples(); }
    // The slot whose row waveform has the focus, or -1.
    int focusedSlot()
    {
        const QWidget* focused = QApplication::focusWidget();
        return focused != nullptr && focused->objectName().startsWith("view_waveform_")
                   ? focused->property("tag").toInt()
                   : -1;
    }
    // The slot whose row waveform is drawn selected, or -1.
    int selectedSlot()
    {
        for (int index = 0; index < 6; ++index)
            if (control<WaveformView>("view_waveform_" + QString::number(index)).isSelected())
                return index;
        return -1;
    }
    void key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
};

TEST_F(EditorSlotKeysTest, TabReachesARowsWaveformAndUpAndDownMoveTheSelectionWithinTheBanksSlotsAndSpacePlaysIt)
{
    control("button_playContents_1").setFocus(Qt::TabFocusReason);
    key(Qt::Key_Tab);
    ASSERT_EQ(focusedSlot(), 1);
    EXPECT_EQ(selectedSlot(), 1);
    EXPECT_EQ(large(), slot(4, 1));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(focusedSlot(), 3);
    EXPECT_EQ(selectedSlot(), 3);
    EXPECT_EQ(large(), slot(4, 3));
    key(Qt::Key_Space);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played.back(), slot(4, 3));

    // The list stops at its ends; the firmware bank's ends at its second slot.
    for (int step = 0; step < 5; ++step)
        key(Qt::Key_Up);
    EXPECT_EQ(focusedSlot(), 0);
    EXPECT_EQ(large(), slot(4, 0));
    for (int step = 0; step < 7; ++step)
        key(Qt::Key_Down);
    EXPECT_EQ(focusedSlot(), 5);
    selectRow(31);
    QTest::mouseClick(&control("view_waveform_0"), Qt::LeftButton);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(focusedSlot(), 1);
    EXPECT_EQ(selectedSlot(), 1);
}

TEST_F(EditorSlotKeysTest, EnterOpensTheSoundPanelOfTheFocusedSlot)
{
    QTest::mouseClick(&control("view_waveform_0"), Qt::LeftButton);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    settle();
    ASSERT_NE(soundPanel(), nullptr);
    clickInPanel(QStringLiteral("button_apply"));
    settle();
    EXPECT_EQ(soundPanel(), nullptr);
    EXPECT_EQ(selectedSlot(), 1);
}

TEST_F(EditorSlotKeysTest, TheSlotLastImportedOrRenamedIsSelectedAndShownLarge)
{
    QTest::mouseClick(&control("view_waveform_0"), Qt::LeftButton);
    importWithApply(3, make("short.wav", "sox -n -r 33000 -c 1 -b 8 -e unsigned-integer", "synth 0.05 sine 300"));
    EXPECT_EQ(selectedSlot(), 3);
    EXPECT_EQ(large(), slot(4, 3));

    // Several dropped files: the last one in is the one shown.
    const std::string hat = make("hat.wav", "sox -n -r 44100 -c 1 -b 16", "synth 0.1 noise");
    ASSERT_TRUE(drop("view_waveform_0", {hat, hat}));
    EXPECT_EQ(selectedSlot(), 1);
    EXPECT_EQ(large(), slot(4, 1));

    // Raw bytes, not a sound: imported without the panel, and followed all the same.
    paths = {make("raw.txt", "printf 'raw bytes' >")};
    click("button_openContents_4");
    EXPECT_EQ(selectedSlot(), 4);

    type("textfield_contentNames_5", QStringLiteral("Shaker"));
    EXPECT_EQ(selectedSlot(), 5);
    EXPECT_EQ(large(), slot(4, 5));
}

} // namespace
