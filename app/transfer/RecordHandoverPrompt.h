#pragma once

#include "app/common/IDialogs.h"
#include "midiio/MidiPortIdentity.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

// Before the editor writes a USB device's record under its socket: takes over the record kept
// before sockets were told apart, or asks whether the device is the one last sent to under another
// socket that is not plugged in now ("Another Device", the answer that never mixes two devices'
// records, is Enter's and is remembered).
class RecordHandoverPrompt {
    Q_DECLARE_TR_FUNCTIONS(RecordHandoverPrompt)
public:
    explicit RecordHandoverPrompt(IDialogs& dialogs)
        : m_dialogs(dialogs)
    {
    }

    // Empty when the device's record is settled; otherwise why a record could not be written.
    QString settle(const MidiPortIdentity& output, const std::vector<MidiPortIdentity>& present);

private:
    IDialogs& m_dialogs;
};
