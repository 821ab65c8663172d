#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class ControllerInput;
class QAction;
class QMenu;
class QShortcut;
class QWidget;
class Settings;

// MIDI › Teach a Pad: each pad's item says its note, and choosing one makes the controller's next
// note that pad's (Escape cancels). The notes are kept by the pads' labels, so a pad keeps its note
// from one run to the next. UI thread: the controller's teaching reaches it through taught.
class PadTeaching : public QObject {
    Q_OBJECT
public:
    // The notes kept are the input's from now on; the controller's name is asked for each teaching.
    PadTeaching(ControllerInput& input, Settings& settings, QWidget& window, QMenu& midiMenu,
                std::vector<QString> labels, std::function<QString()> controllerName);

    // Whether a controller plays the pads now: a pad can be taught only then.
    void setConnected(bool connected);
    // The controller's note became the pad's.
    void taught(std::uint16_t pad, std::uint8_t note);

signals:
    void status(const QString& text);

private:
    void learn(std::uint16_t pad);
    void cancel();
    // Each item says its pad's note as it is now.
    void showNotes();

    ControllerInput& m_input;
    Settings& m_settings;
    const std::vector<QString> m_labels;
    const std::function<QString()> m_controllerName;
    QMenu* m_menu = nullptr;
    std::vector<QAction*> m_items;
    QShortcut* m_escape = nullptr;
};
