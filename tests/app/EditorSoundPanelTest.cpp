// The sound panel as a musician uses it: Import… of a sound opens it, the window over the source is
// dragged, the controls are worked, both sounds are heard, and Apply or Cancel close it.
#include "SoundPanelFixture.h"

#include "app/document/SlotSource.h"
#include "app/files/ShapeSidecar.h"
#include "audio/SlotImport.h"
#include "model/SoundBank.h"
#include "playback/SourceRun.h"

#include <QAccessible>

#include <algorithm>

namespace {

class EditorSoundPanelTest : public SoundPanelFixture {
protected:
    // Presses the window over the source a third of its width in and drags right by pixels, in
    // several moves, as a hand does.
    void dragWindow(int pixels)
    {
        auto& view = source();
        const audio::SourceRegion window = view.region();
        const QPoint from(static_cast<int>(xOf(window.first) + (xOf(window.last) - xOf(window.first)) / 3),
                          view.height() / 2);
        QTest::mousePress(&view, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(&view, from + QPoint(pixels * step / 4, 0));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, from + QPoint(pixels, 0));
    }
};

TEST_F(EditorSoundPanelTest, DraggingTheWindowChangesTheResultAndApplyIsOneUndoStep)
{
    const Bytes factory = slot(4, 1);
    importIntoSlot(1, sweep);
    EXPECT_EQ(slot(4, 1), factory) << "nothing goes in before Apply";
    const Bytes start = result();
    EXPECT_EQ(start.size(), factory.size());
    EXPECT_THAT(panelText("text_window"), StartsWith("Window 0.000 s to "));

    dragWindow(150);
    settle();
    EXPECT_GT(source().region().first, 0u);
    EXPECT_FALSE(panelText("text_window").starts_with("Window 0.000 s")) << panelText("text_window");
    const Bytes moved = result();
    EXPECT_NE(moved, start);

    // Gain that pushes the sweep past full scale is marked, in the panel and after Apply.
    EXPECT_EQ(panelText("text_warning"), "");
    typeInPanel("spin_gain", "9");
    const Bytes louder = result();
    EXPECT_NE(louder, moved);
    EXPECT_THAT(panelText("text_warning"), StartsWith("Clipped"));
    clickInPanel("button_apply");
    settle();
    EXPECT_EQ(soundPanel(), nullptr);
    EXPECT_EQ(slot(4, 1), louder);
    EXPECT_EQ(slotName(4, 1), "sweep.wav");
    // The line counts the sound from the window's start on.
    EXPECT_THAT(statusLine(), StartsWith("sweep.wav: 1."));
    EXPECT_THAT(statusLine(), EndsWith("to fit CLOSED HI HAT (Classic) Clipped: the gain pushes the sound past "
                                       "full scale, its peaks are cut flat."));

    // One step, undone and redone by the keys; that the source and shape go and come back with the
    // bytes is WorkingBanksSourcesTest's.
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(slot(4, 1), factory);
    EXPECT_FALSE(control<QAction>("menu_undo").isEnabled());
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(slot(4, 1), louder);
}

TEST_F(EditorSoundPanelTest, CancelChangesNothingAndTheCleanOnlyControlsWaitForClean)
{
    const Bytes factory = slot(4, 3);
    importIntoSlot(3, sweep);
    auto& conversion = panelControl<QComboBox>("popup_conversion");
    EXPECT_EQ(conversion.currentText(), "Classic");
    EXPECT_FALSE(panelControl("popup_phase").isEnabled());
    EXPECT_FALSE(panelControl("popup_dither").isEnabled());
    const Bytes classic = result();
    conversion.setFocus();
    QTest::keyClick(&conversion, Qt::Key_Down);
    settle();
    EXPECT_EQ(conversion.currentText(), "Clean");
    EXPECT_TRUE(panelControl("popup_phase").isEnabled());
    EXPECT_TRUE(panelControl("popup_dither").isEnabled());
    EXPECT_NE(result(), classic);
    typeInPanel("spin_fadeOut", "50");
    dragWindow(60);
    settle();

    // Zoomed in, the view shows half as much of the source.
    const auto [first, last] = source().visible();
    clickInPanel("button_zoomIn");
    const auto [zoomedFirst, zoomedLast] = source().visible();
    EXPECT_EQ(zoomedLast - zoomedFirst, (last - first) / 2);

    clickInPanel("button_cancel");
    EXPECT_EQ(soundPanel(), nullptr);
    EXPECT_EQ(slot(4, 3), factory);
    EXPECT_EQ(slotName(4, 3), editor->defaultBank(4).getContentName(3));
    EXPECT_FALSE(control<QAction>("menu_undo").isEnabled());
    EXPECT_EQ(statusLine(), "");
}

TEST_F(EditorSoundPanelTest, AShortSourcesWindowEndsWithItAndTheKeyboardAndAScreenReaderWorkThePanel)
{
    const std::string hit = sounds.synth("hit.wav", "-r 44100 -c 1 -b 16", "synth 0.1 sine 440 gain -6");
    const Bytes factory = slot(4, 1);
    importIntoSlot(1, hit);
    // The window is what the source holds; silence fills the rest of the slot, and the line says so.
    const QString padding = QString::number(static_cast<double>(factory.size()) / 33000.0 - 0.1, 'f', 3);
    EXPECT_EQ(panelText("text_window"), "Window 0.000 s to 0.100 s of 0.100 s, then " + padding.toStdString()
                                            + " s of silence to the slot's end");

    // The window has the focus first, and the keys move it as a drag would.
    EXPECT_EQ(soundPanel()->focusWidget(), &source());
    QTest::keyClick(&source(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_GT(source().region().first, 0u);
    QTest::keyClick(&source(), Qt::Key_Home);
    EXPECT_EQ(source().region().first, 0u);

    // Every number field is named by what it sets, not only by its kind.
    std::vector<std::string> names;
    for (QAbstractSpinBox* field : soundPanel()->findChildren<QAbstractSpinBox*>())
        names.push_back(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name).toStdString());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"End", "Fade in", "Fade out", "Gain", "Limit", "Pitch", "Start",
                                               "Trim threshold"}));

    // A failed play is marked until the next play.
    clickInPanel("button_playResult");
    sound.fail({PlaybackFailure::Kind::Failed, "default", {}, "Broken pipe"});
    settle();
    EXPECT_THAT(panelText("text_warning"), StartsWith("Could not play"));
    clickInPanel("button_playResult");
    EXPECT_EQ(panelText("text_warning"), "");

    // Enter in a field applies with the value just typed. Escape, as Cancel, rejects the panel:
    // EditorSoundPanelNumbersTest closes it so, and the Cancel case shows that nothing goes in.
    typeInPanel("spin_gain", "-12", Qt::Key_Return);
    EXPECT_EQ(soundPanel(), nullptr);
    EXPECT_NE(slot(4, 1), factory);
    shapeSlot(1);
    ASSERT_NE(soundPanel(), nullptr);
    EXPECT_EQ(panelControl<QDoubleSpinBox>("spin_gain").value(), -12.0);
    clickInPanel("button_cancel");
}

TEST_F(EditorSoundPanelTest, ASilentLeadInIsMarkedAndNamedAndSnappingToTheOnsetBringsTheHitIn)
{
    const std::string lead = sounds.synth("lead.wav", "-r 44100 -c 1 -b 16", "synth 0.2 sine 1000 pad 0.4");
    importIntoSlot(1, lead);
    const std::string silent
        = "Silent: the next sound starts at 0.400 s; start the window at 0.400 s or trim the silence.";
    EXPECT_EQ(panelText("text_warning"), silent);
    clickInPanel("button_apply");
    EXPECT_THAT(statusLine(), EndsWith(silent));
    const Bytes silence = slot(4, 1);

    // Opened again from the kept source, the window moves onto the hit; that the onset's start
    // brings the sound in is SlotAdviceTest's.
    shapeSlot(1);
    clickInPanel("button_snapOnset");
    settle();
    EXPECT_THAT(panelText("text_window"), StartsWith("Window 0.400 s"));
    EXPECT_EQ(panelText("text_warning"), "");
    clickInPanel("button_apply");
    EXPECT_EQ(statusLine().find("Silent"), std::string::npos) << statusLine();
    EXPECT_NE(slot(4, 1), silence);
}

// Which frames of a source a window plays, in what format, is the SourceRun case's; here the
// window moved by the hand is the one played.
TEST_F(EditorSoundPanelTest, PlaySourcePlaysTheWindowAsItIsAndPlayResultTheBytesApplyWrites)
{
    importIntoSlot(2, sweep);
    dragWindow(100);
    settle();
    const audio::SourceRegion window = source().region();
    ASSERT_GT(window.first, 0u);

    clickInPanel("button_playSource");
    ASSERT_EQ(sound.runs.size(), 1u);
    EXPECT_EQ(sound.runs.back().samples,
              sourceRun(audio::decodeSound(SoundFileFolder::read(sweep), 10.0), window).samples);

    typeInPanel("spin_gain", "-6");
    clickInPanel("checkbox_reverse");
    settle();
    clickInPanel("button_playResult");
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played.back(), result());
    clickInPanel("button_apply");
    EXPECT_EQ(slot(4, 2), sound.played.back());
    EXPECT_FALSE(sound.playing()) << "what the panel played ends with it";
}

TEST_F(EditorSoundPanelTest, ADroppedSoundGoesStraightInAndKeepsItsSourceForThePanel)
{
    const Bytes factory = slot(4, 4);
    ASSERT_TRUE(drop("view_waveform_4", {sweep}));
    settle();
    EXPECT_EQ(soundPanel(), nullptr);
    EXPECT_NE(slot(4, 4), factory);
    const Bytes dropped = slot(4, 4);
    // Ctrl+E shapes the selected slot, as a double-click on its waveform does.
    QTest::mouseClick(&control("view_waveform_4"), Qt::LeftButton);
    press(Qt::Key_E, Qt::ControlModifier);
    settle();
    ASSERT_NE(soundPanel(), nullptr);
    EXPECT_THAT(panelText("text_window"), EndsWith("of 2.000 s"));
    // The panel starts from the shape the drop gave, so it shows what the slot holds.
    EXPECT_EQ(result(), dropped);
    clickInPanel("button_cancel");

    // Raw bytes go in at once and, unshaped, are the panel's result as they are: a second fade
    // at their cut would wear them down on every Apply.
    paths = {make("noise.raw", "head -c 40000 /dev/urandom >")};
    click("button_openContents_5");
    EXPECT_EQ(soundPanel(), nullptr);
    const Bytes raw = slot(4, 5);
    shapeSlot(5);
    ASSERT_NE(soundPanel(), nullptr);
    EXPECT_EQ(result(), raw);
    clickInPanel("button_apply");
    EXPECT_EQ(slot(4, 5), raw);

    // A firmware slot holds no sound to shape.
    selectRow(31);
    shapeSlot(0);
    EXPECT_EQ(soundPanel(), nullptr);
}

TEST_F(EditorSoundPanelTest, ASlotShapedFromTheTenthMinuteOfALongFileOpensAroundItsRegion)
{
    // Ten minutes at 8 kHz with a 0.2 s burst at 600 s; a saved set's slot 1 shaped from it at 600 s.
    const std::string ten = sounds.synth("ten.wav", "-r 8000 -c 1 -b 16", "synth 0.2 sine 1000 gain -6 pad 600 0.5");
    const audio::SoundShape shape{.start = 600.0};
    Bytes shaped(8192, 0x11);
    ASSERT_TRUE(audio::importSlot(SoundFileFolder::read(ten), shape, shaped));
    ASSERT_GT(std::count_if(shaped.begin(), shaped.end(), [](std::uint8_t b) { return b != 0x80; }), 6000);
    SoundBank bank(4);
    ASSERT_TRUE(bank.putSound(1, shaped, "ten.wav"));
    ASSERT_TRUE(BankFile().saveBank(bank, path("ten.mid")));
    const FileStamp stamp = fileStampOf(ten).value_or(FileStamp{});
    QString error;
    ASSERT_TRUE(ShapeSidecar::write(
        path("ten.mid"), {{4, 1, ten, stamp.size, stamp.modified, shape, ShapeSidecar::hashOf(shaped)}}, error))
        << error.toStdString();
    openFile(path("ten.mid"));

    // The panel shows the file's own seconds around the region, and the burst in the result.
    shapeSlot(1);
    ASSERT_NE(soundPanel(), nullptr);
    EXPECT_EQ(panelText("text_window"), "Window 600.000 s to 600.248 s of 600.700 s");
    EXPECT_EQ(result(), shaped);
}

} // namespace
