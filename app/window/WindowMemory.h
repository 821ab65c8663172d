#pragma once

#include <QObject>
#include <QRect>
#include <QTimer>

#include <chrono>

class OutputList;
class Settings;
class QButtonGroup;
class QComboBox;
class QMainWindow;
class QScreen;
class QSplitter;

// Brings the window back as the user left it (the MIDI output by its identity, channel, the
// "Current bank"/"All banks" choice, geometry and splitter) and keeps the settings up to date as the user changes them.
// The window never starts larger than its screen, nor where it would not be wholly visible. The window's place and
// splitter are kept a moment after the user last moves them, not when the window closes: writing settings flushes them
// to the disk twice, which on a busy disk kept a quitting program alive for seconds.
class WindowMemory : public QObject {
    Q_OBJECT
public:
    // How long after the last move or resize the window's place is kept.
    static constexpr std::chrono::milliseconds kKeepAfter{1500};

    // Everything stays the caller's and must outlive the memory, which is a child of the window
    // too, so that its timer is among the window's.
    WindowMemory(Settings& settings, QMainWindow& window, OutputList& outputs, QComboBox& outputPopup,
                 QComboBox& channel, QButtonGroup& choice, QSplitter& splitter);

    // Once, before the window is shown.
    void restore();
    // The window's geometry and splitter, where they changed since last kept; also when it closes.
    void keep();

    // The window's first size on that screen: the size it was laid out at, cut to fit the screen's
    // available area with room for the frame, centred there.
    static QRect firstPlace(const QRect& available, QSize preferred);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restoreGeometry();
    void restoreControls();

    Settings& m_settings;
    QMainWindow& m_window;
    OutputList& m_outputs;
    QComboBox& m_outputPopup;
    QComboBox& m_channel;
    QButtonGroup& m_choice;
    QSplitter& m_splitter;
    QTimer m_keepTimer;
};
