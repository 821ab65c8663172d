// The sound panel by numbers and keys alone: the window's start and end typed in seconds, nudged by
// a frame or 10 ms, reached by Tab; a short source's window end in sight; the pitch a fit chose, or a
// fit by stretching; the result played round and round until it is stopped.
#include "SoundPanelFixture.h"

#include <QPushButton>

#include <cmath>

namespace {

class EditorSoundPanelNumbersTest : public SoundPanelFixture {
protected:
    // Into the source view by the keyboard: a click would move the window.
    void focusSourceView()
    {
        QTest::mouseClick(&panelControl("spin_start"), Qt::LeftButton);
        QTest::keyClick(soundPanel()->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    }
};

TEST_F(EditorSoundPanelNumbersTest, TypedSecondsSetTheWindowToTheFrameAndTheKeysNudgeItByAFrameOr10Ms)
{
    importIntoSlot(1, sweep);
    typeInPanel("spin_start", "0.5");
    EXPECT_EQ(source().region().first, 22050u);
    EXPECT_THAT(panelText("text_window"), StartsWith("Window 0.500 s to "));
    typeInPanel("spin_end", "0.6");
    EXPECT_EQ(source().region(), (audio::SourceRegion{22050, 26460}));
    EXPECT_EQ(panelText("text_window").substr(0, 30), "Window 0.500 s to 0.600 s of 2");

    // The start typed again moves the window, keeping its length; an end past what the slot holds
    // makes it a slot long.
    typeInPanel("spin_start", "1.25");
    EXPECT_EQ(source().region(), (audio::SourceRegion{55125, 59535}));
    const std::size_t slotLength = slot(4, 1).size();
    typeInPanel("spin_end", "1.9");
    EXPECT_EQ(source().region().first, 55125u);
    EXPECT_EQ(source().region().length(),
              static_cast<std::uint64_t>(std::ceil(static_cast<double>(slotLength) * 44100.0 / 33000.0)));

    // The source view is in the Tab order, just before the start field.
    focusSourceView();
    EXPECT_EQ(soundPanel()->focusWidget(), &source());
    QTest::keyClick(soundPanel()->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(soundPanel()->focusWidget(), &panelControl("spin_start"));
    QTest::keyClick(soundPanel()->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(soundPanel()->focusWidget(), &source());

    // With the view's focus: a frame either way, 10 ms with Shift; the fields say where it went.
    const audio::SourceRegion at = source().region();
    QTest::keyClick(&source(), Qt::Key_Right);
    EXPECT_EQ(source().region().first, at.first + 1);
    EXPECT_EQ(source().region().length(), at.length());
    QTest::keyClick(&source(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(source().region().first, at.first + 1 + 441);
    QTest::keyClick(&source(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&source(), Qt::Key_Left);
    QTest::keyClick(&source(), Qt::Key_Left);
    EXPECT_EQ(source().region().first, at.first - 1);
    settle();
    EXPECT_DOUBLE_EQ(panelControl<QDoubleSpinBox>("spin_start").value(),
                     std::round((at.first - 1) / 44100.0 * 10000.0) / 10000.0);

    // Zoomed in far, the view follows the window's start as the keys move it out of sight.
    for (int zoom = 0; zoom < 8; ++zoom)
        clickInPanel("button_zoomIn");
    focusSourceView();
    ASSERT_EQ(soundPanel()->focusWidget(), &source());
    for (int step = 0; step < 40; ++step)
        QTest::keyClick(&source(), Qt::Key_Right, Qt::ShiftModifier);
    const auto [shownFirst, shownLast] = source().visible();
    EXPECT_GE(source().region().first, shownFirst);
    EXPECT_LT(source().region().first, shownLast);
}

TEST_F(EditorSoundPanelNumbersTest, AShortSourcesWindowEndStaysInReachAndAFitShowsItsPitchOrKeepsItByStretching)
{
    // 0.6 s into CRASH's 0.993 s: the window reaches past the source's end.
    const std::string hit = sounds.synth("hit.wav", "-r 44100 -c 1 -b 16", "synth 0.6 sine 440 gain -6");
    ASSERT_GT(slot(4, 4).size(), 0.6 * 33000.0);
    importIntoSlot(4, hit);
    const audio::SourceRegion window = source().region();
    EXPECT_GT(window.last, 26460u);
    EXPECT_LE(source().visible().second, window.last + 1);
    EXPECT_GE(source().visible().second, window.last);
    // Zoomed in and out again, the end is back in sight.
    clickInPanel("button_zoomIn");
    EXPECT_LT(source().visible().second, window.last);
    clickInPanel("button_zoomOut");
    EXPECT_GE(source().visible().second, window.last);

    // Its end handle taken with the mouse and dragged left: the window ends sooner.
    const QPoint end(static_cast<int>(xOf(window.last)) - 2, source().height() / 2);
    const QPoint left(source().width() / 2, 0);
    QTest::mousePress(&source(), Qt::LeftButton, {}, end);
    QTest::mouseMove(&source(), end - left / 2);
    QTest::mouseMove(&source(), end - left);
    QTest::mouseRelease(&source(), Qt::LeftButton, {}, end - left);
    settle();
    EXPECT_EQ(source().region().first, 0u);
    EXPECT_LT(source().region().last, 26460u);
    typeInPanel("spin_end", "0.6");
    EXPECT_EQ(source().region(), (audio::SourceRegion{0, 26460}));

    // Fit: the Pitch field, greyed, says what the fit chose, as the status line does after Apply;
    // which pitch a fit chooses and how the line says it is SoundShapeTest's.
    auto& pitch = panelControl<QDoubleSpinBox>("spin_pitch");
    auto& fitBy = panelControl<QComboBox>("popup_fitKind");
    EXPECT_FALSE(fitBy.isEnabled());
    EXPECT_EQ(fitBy.accessibleName(), "Fit by");
    clickInPanel("checkbox_fit");
    settle();
    ASSERT_TRUE(fitBy.isEnabled());
    EXPECT_EQ(fitBy.currentText(), "by pitch");
    EXPECT_FALSE(pitch.isEnabled());
    const std::string chosen = pitch.text().toStdString();
    EXPECT_THAT(chosen, EndsWith(" semitones"));
    // Without fit the pitch set by hand is back.
    clickInPanel("checkbox_fit");
    EXPECT_TRUE(pitch.isEnabled());
    EXPECT_EQ(pitch.value(), 0.0);
    clickInPanel("checkbox_fit");
    clickInPanel("button_apply");
    EXPECT_THAT(statusLine(), HasSubstr("fills CRASH exactly at " + chosen));

    // Fit by stretching, chosen beside Fit, keeps the pitch: the field shows none moved. That the
    // tone keeps its pitch, and by how much it is stretched, is StretchFitTest's.
    shapeSlot(4);
    ASSERT_NE(soundPanel(), nullptr);
    auto& fitKind = panelControl<QComboBox>("popup_fitKind");
    fitKind.setFocus();
    QTest::keyClick(&fitKind, Qt::Key_Down);
    settle();
    EXPECT_EQ(fitKind.currentText(), "by stretching");
    EXPECT_EQ(panelControl<QDoubleSpinBox>("spin_pitch").value(), 0.0);
    clickInPanel("button_apply");
    EXPECT_THAT(statusLine(), HasSubstr("fills CRASH exactly, stretched to "));
}

TEST_F(EditorSoundPanelNumbersTest, PlayResultLoopsWithTheShapeAsItStandsUntilStoppedOrClosed)
{
    importIntoSlot(1, sweep);
    auto& play = panelControl<QPushButton>("button_playResult");
    clickInPanel("button_playResult");
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(play.text().remove('&'), "Stop Result");
    const Bytes first = result();
    EXPECT_EQ(sound.played.back(), first);

    // Heard to its end it starts again, as the gain now makes it.
    typeInPanel("spin_gain", "-12");
    sound.finish();
    settle();
    ASSERT_EQ(sound.played.size(), 2u);
    EXPECT_NE(result(), first);
    EXPECT_EQ(sound.played.back(), result());
    EXPECT_TRUE(sound.playing());

    // Pressed again it stops, and no round follows.
    clickInPanel("button_playResult");
    settle();
    EXPECT_FALSE(sound.playing());
    EXPECT_EQ(play.text().remove('&'), "Play Result");
    EXPECT_EQ(sound.played.size(), 2u);

    // Play Source takes its place; closing the panel ends a loop too.
    clickInPanel("button_playResult");
    clickInPanel("button_playSource");
    sound.finish();
    settle();
    EXPECT_EQ(sound.played.size(), 3u);
    EXPECT_EQ(play.text().remove('&'), "Play Result");
    clickInPanel("button_playResult");
    QTest::keyClick(soundPanel(), Qt::Key_Escape);
    settle();
    EXPECT_EQ(soundPanel(), nullptr);
    EXPECT_FALSE(sound.playing());
    EXPECT_EQ(sound.played.size(), 4u);
}

} // namespace
