#pragma once

#include "midiio/MidiPortIdentity.h"

#include <QObject>

class ControllerInput;
class IMidiService;
class QComboBox;
class Settings;

// The MIDI controller popup beside the output: None at first, or one of the service's sources,
// whose notes then play the pads. Chosen and remembered by identity as the output is: while the
// chosen controller is unplugged the list shows it disconnected, and once a source of its identity
// is back, wherever it is listed, it plays the pads again. UI thread.
class ControllerList : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's; the remembered controller is chosen at once.
    ControllerList(QComboBox& popup, IMidiService& service, ControllerInput& input, Settings& settings,
                   QObject* parent = nullptr);

    // The controller's name as the list shows it; empty for none.
    QString chosenName() const;
    // Lists the sources again and listens to the chosen controller where it has come back: after
    // the service's endpoints changed.
    void refresh();

signals:
    // After every refresh: whether the chosen controller is there and listened to.
    void connectionChanged(bool connected);

private:
    void userChose(int row);

    QComboBox& m_popup;
    IMidiService& m_service;
    ControllerInput& m_input;
    Settings& m_settings;
};
