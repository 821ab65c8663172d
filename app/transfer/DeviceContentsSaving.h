#pragma once

#include "app/common/IDialogs.h"
#include "midiio/MidiPortIdentity.h"

#include <QObject>
#include <QString>

#include <optional>

class FilePanels;
class OutputList;
class QAction;
class QMenu;
class QWidget;

// File → Save Device Contents…: what the chosen output's device (or, when none of its banks is
// known, another device with a record, as the user picks) was last sent completely, as the copy
// kept with its record holds it, saved as bank files with the names the banks were sent with.
// All 32 banks known make one file; otherwise, once the user agrees to what is unknown, each known
// bank goes to a one-bank file in a folder. UI thread only.
class DeviceContentsSaving : public QObject {
    Q_OBJECT
public:
    // Puts "Save Device Contents…" into the menu after the action given; the rest stays the caller's.
    // Its save panel starts in the folder last saved to, as every save panel of the window does.
    DeviceContentsSaving(IDialogs& dialogs, FilePanels& panels, OutputList& outputs, QWidget& window, QMenu& menu,
                         QAction* after);

    void save();

signals:
    // What was saved, or why not, for the status line.
    void status(const QString& text);

private:
    // The chosen output's device when a bank of it is known; otherwise the one the user picks among
    // the devices of which a bank is known; none when there is none or the user cancelled.
    struct Device {
        MidiPortIdentity identity;
        QString name;
    };
    std::optional<Device> deviceToSave();
    void saveContentsOf(const Device& device);
    void alert(IDialogs::AlertStyle style, const QString& message);

    IDialogs& m_dialogs;
    FilePanels& m_panels;
    OutputList& m_outputs;
};
