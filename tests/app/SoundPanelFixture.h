#pragma once

#include "EditorFixture.h"
#include "app/sounds/SourceView.h"
#include "app/sounds/WaveformView.h"
#include "tests/support/SoundFileFolder.h"

#include <QDoubleSpinBox>
#include <QLabel>

// The window with a sound panel to be opened over it: what the panel shows and how its fields are
// typed into.
class SoundPanelFixture : public EditorFixture {
protected:
    Bytes result() { return panelControl<WaveformView>("view_result").samples(); }
    std::string panelText(const QString& label) { return panelControl<QLabel>(label).text().toStdString(); }
    SourceView& source() { return panelControl<SourceView>("view_source"); }
    // Where the frame lies across the source view's width, in pixels.
    double xOf(std::uint64_t frame)
    {
        const auto [first, last] = source().visible();
        return (static_cast<double>(frame) - static_cast<double>(first)) * source().width()
               / static_cast<double>(last - first);
    }
    // Import… of the file into the slot of S05, which opens the panel.
    void importIntoSlot(int index, const std::string& file)
    {
        paths = {file};
        click("button_openContents_" + QString::number(index));
        settle();
        ASSERT_NE(soundPanel(), nullptr);
    }
    // The panel of the slot's own sound, by a double-click on its waveform.
    void shapeSlot(int index)
    {
        QTest::mouseDClick(&control("view_waveform_" + QString::number(index)), Qt::LeftButton);
        settle();
    }
    // Types the value into one of the panel's number fields and leaves it with Tab (Return would
    // apply the panel).
    void typeInPanel(const QString& field, const QString& value, Qt::Key leaving = Qt::Key_Tab)
    {
        auto& box = panelControl<QDoubleSpinBox>(field);
        QTest::mouseClick(&box, Qt::LeftButton);
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&box, value);
        QTest::keyClick(&box, leaving);
        settle();
    }

    SoundFileFolder sounds;
    // 2 s at 44.1 kHz: a frame is 1/44,100 s, 10 ms are 441 frames.
    std::string sweep = sounds.synth("sweep.wav", "-r 44100 -c 1 -b 16", "synth 2 sine 200-4000 gain -3");
};
