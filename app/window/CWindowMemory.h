#pragma once

#include <QRect>

class COutputList;
class CSettings;
class QButtonGroup;
class QComboBox;
class QMainWindow;
class QScreen;
class QSplitter;

// Brings the window back as the user left it (the MIDI output by its identity, channel, the
// "Current bank"/"All banks" choice, geometry and splitter) and keeps the settings up to date as the user changes them. The
// window never starts larger than its screen, nor where it would not be wholly visible.
class CWindowMemory {
public:
    // Everything stays the caller's and must outlive the memory.
    CWindowMemory(CSettings& settings, QMainWindow& window, COutputList& outputs, QComboBox& outputPopup,
                  QComboBox& channel, QButtonGroup& choice, QSplitter& splitter);

    // Once, before the window is shown.
    void restore();
    // When the window closes: its geometry and splitter.
    void keep();

    // The window's first size on that screen: the size it was laid out at, cut to fit the screen's
    // available area with room for the frame, centred there.
    static QRect firstPlace(const QRect& available, QSize preferred);

private:
    void restoreGeometry();
    void restoreControls();

    CSettings& m_settings;
    QMainWindow& m_window;
    COutputList& m_outputs;
    QComboBox& m_outputPopup;
    QComboBox& m_channel;
    QButtonGroup& m_choice;
    QSplitter& m_splitter;
};
