#include "app/transfer/COutputSettings.h"

#include "app/transfer/COutputList.h"
#include "app/transfer/COutputSettingsDialog.h"
#include "midiio/DeviceRecord.h"
#include "midiio/SenderLock.h"

#include <QAction>
#include <QMenu>

namespace {

const std::string kProgram = "zylox-editor";

std::string described(const OutputPacing& pacing)
{
    return "pieces of " + std::to_string(pacing.pieceBytes) + " bytes, " +
           (pacing.gapMilliseconds == 0 ? std::string("no gap") : std::to_string(pacing.gapMilliseconds) + " ms after each");
}

} // namespace

COutputSettings::COutputSettings(IDialogs& dialogs, COutputList& outputs, QWidget& window, QMenu& menu)
    : QObject(&window)
    , m_dialogs(dialogs)
    , m_outputs(outputs)
    , m_window(window)
{
    auto* action = new QAction(tr("&Output Settings…"), &window);
    action->setObjectName(QStringLiteral("menu_outputSettings"));
    menu.addSeparator();
    menu.addAction(action);
    connect(action, &QAction::triggered, this, &COutputSettings::edit);
}

void COutputSettings::edit()
{
    const MidiPortIdentity output = m_outputs.chosen();
    if (output.empty()) {
        m_dialogs.runAlert({IDialogs::AlertStyle::Critical, "Output Settings", "No MIDI output is chosen.", "OK"});
        return;
    }
    const DeviceRecord record(DeviceRecord::defaultFolder(), output);
    // Gone once closed, so no hidden copy of its controls lingers among the window's.
    auto* dialog = new COutputSettingsDialog(output.displayName(), record.pacing(), &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // For the output chosen when the dialog opened, whatever the popup shows by then.
    connect(dialog, &QDialog::accepted, this, [this, dialog, output] { keep(output, dialog->pacing()); });
    dialog->open();
}

void COutputSettings::keep(const MidiPortIdentity& output, const OutputPacing& pacing)
{
    DeviceRecord record(DeviceRecord::defaultFolder(), output);
    // A sender writes the record as it goes: the change waits until it has ended.
    const SenderLock::Taken lock = SenderLock::take(record, kProgram);
    std::string failure = lock.lock ? std::string() : lock.refusal;
    if (lock.lock) {
        record = DeviceRecord(DeviceRecord::defaultFolder(), output); // as the last sender left it
        if (!record.setPacing(pacing))
            failure = record.failure();
    }
    if (!failure.empty()) {
        const std::string message = "The output settings were not changed: " + failure + ".";
        m_dialogs.runAlert({IDialogs::AlertStyle::Critical, "Output Settings", message, "OK"});
        emit status(QString::fromStdString(message));
        return;
    }
    emit status(QString::fromStdString("Output settings of " + output.displayName() + ": " + described(pacing)));
}
