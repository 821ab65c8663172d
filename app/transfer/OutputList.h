#pragma once

#include "midiio/MidiPortIdentity.h"
#include "midiio/record/SenderLock.h"

#include <QObject>

#include <vector>

class IMidiService;
class QComboBox;

// The MIDI output popup, kept in step with the service's destinations as devices are plugged in
// and out. The chosen output is remembered by identity, never by row: when it goes, the list shows
// it as disconnected and says so; when a port of the same identity comes back, wherever it is
// listed, it is chosen again. Identical interfaces in two USB sockets are two outputs. Lives on the
// UI thread; the service's notices reach it queued.
class OutputList : public QObject {
    Q_OBJECT
public:
    OutputList(QComboBox& popup, IMidiService& service, QObject* parent = nullptr);
    ~OutputList() override;

    // The output the user chose; empty before any was listed.
    const MidiPortIdentity& chosen() const { return m_chosen; }
    // Chooses an output, present or not (a remembered one, for instance).
    void choose(const MidiPortIdentity& identity);
    bool isConnected() const { return m_connected; }
    // Why nothing can be sent, in words for the user; empty while the chosen output is connected.
    QString unavailableReason() const;

    // The output's name as the list shows it.
    QString nameOf(const MidiPortIdentity& output) const;
    // The outputs there now, in the service's order.
    std::vector<MidiPortIdentity> present() const;
    // Where every sender to the listed outputs takes their lock, whichever user runs it.
    SenderLock::Places lockPlaces() const { return SenderLock::Places::of(m_service); }
    // Lists the service's destinations again.
    void refresh();

signals:
    // After every refresh: whether the chosen output is connected.
    void connectionChanged(bool connected);

private:
    void userChose(int row);
    // Why there is no output to choose; empty while one is there.
    QString absence() const;

    QComboBox& m_popup;
    IMidiService& m_service;
    MidiPortIdentity m_chosen;
    bool m_connected = false;
};
