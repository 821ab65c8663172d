#pragma once

#include <QObject>

#include <memory>

class ControllerInput;
class ControllerList;
class MidiContext;
class PadTeaching;
class QComboBox;
class QMenu;
class QWidget;
class Settings;

// A MIDI controller playing the pads: the input that listens to it on the service's thread, the
// popup it is chosen in, and the teaching of its notes to the pads. Its notes reach the pads as
// padHit, queued onto the window's thread, which plays and lights them as a key does. UI thread.
class PadController : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's and must outlive the controller.
    PadController(QComboBox& popup, QMenu& midiMenu, MidiContext& midi, Settings& settings, QWidget& window);
    // Ends the listening first: no note reaches a pad after this.
    ~PadController() override;

    // Listens to the chosen controller again where it has come back: after the service's
    // endpoints changed.
    void refresh();

signals:
    // A note from the controller played this pad (0 to 5, the slot's position in the bank).
    void padHit(int pad);
    void status(const QString& text);

private:
    std::unique_ptr<ControllerInput> m_input;
    std::unique_ptr<ControllerList> m_list;
    std::unique_ptr<PadTeaching> m_teaching;
};
