#pragma once

#include <QObject>

#include <memory>

class ControllerInput;
class ControllerList;
class KitPlayer;
class MidiContext;
class PadTeaching;
class QComboBox;
class QMenu;
class QWidget;
class Settings;

// A MIDI controller playing the pads: the input that listens to it on the service's thread, the
// popup it is chosen in, and the teaching of its notes to the pads. A note hits the kit player on
// the service's thread itself, so that it sounds however busy the window is, and then reaches the
// pads as padHit, queued onto the window's thread, which lights them (or, where the kit player
// could not take the hit, plays them as a key does). UI thread.
class PadController : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's and must outlive the controller.
    PadController(QComboBox& popup, QMenu& midiMenu, MidiContext& midi, Settings& settings, KitPlayer& kit,
                  QWidget& window);
    // Ends the listening first: no note reaches a pad after this.
    ~PadController() override;

    // Listens to the chosen controller again where it has come back: after the service's
    // endpoints changed.
    void refresh();

signals:
    // A note from the controller played this pad (0 to 5, the slot's position in the bank); heard:
    // the kit player took the hit already.
    void padHit(int pad, bool heard);
    void status(const QString& text);

private:
    std::unique_ptr<ControllerInput> m_input;
    std::unique_ptr<ControllerList> m_list;
    std::unique_ptr<PadTeaching> m_teaching;
};
