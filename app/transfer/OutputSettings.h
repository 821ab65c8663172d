#pragma once

#include "app/common/IDialogs.h"
#include "midiio/MidiPortIdentity.h"
#include "midiio/OutputPacing.h"

#include <QObject>

class OutputList;
class QMenu;
class QWidget;

// MIDI → Output Settings…: how carefully messages go to the chosen output's device, kept with that
// device's record so that `zylox` and every later send use it too. UI thread only.
class OutputSettings : public QObject {
    Q_OBJECT
public:
    // Puts "Output Settings…" at the end of the menu; the window, dialogs and outputs stay the caller's.
    OutputSettings(IDialogs& dialogs, OutputList& outputs, QWidget& window, QMenu& menu);

    // Opens the dialog for the chosen output over the window without blocking it; OK keeps what it shows.
    void edit();

signals:
    // What was kept, or why not, for the status line.
    void status(const QString& text);

private:
    void keep(const MidiPortIdentity& output, const OutputPacing& pacing);

    IDialogs& m_dialogs;
    OutputList& m_outputs;
    QWidget& m_window;
};
