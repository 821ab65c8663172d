#include "app/transfer/OutputSettings.h"

#include "app/common/WindowText.h"
#include "app/transfer/OutputList.h"
#include "app/transfer/OutputSettingsDialog.h"
#include "app/transfer/RecordHandoverPrompt.h"
#include "midiio/record/DeviceRecord.h"
#include "midiio/record/SenderLock.h"

#include <QAction>
#include <QLocale>
#include <QMenu>

namespace {

const std::string kProgram = "zylox-editor";

QString described(const OutputPacing& pacing)
{
    const QLocale numbers;
    return pacing.gapMilliseconds == 0 ? OutputSettings::tr("pieces of %1 bytes, no gap")
                                             .arg(numbers.toString(static_cast<qulonglong>(pacing.pieceBytes)))
                                       : OutputSettings::tr("pieces of %1 bytes, %2 ms after each")
                                             .arg(numbers.toString(static_cast<qulonglong>(pacing.pieceBytes)),
                                                  numbers.toString(static_cast<qulonglong>(pacing.gapMilliseconds)));
}

} // namespace

OutputSettings::OutputSettings(IDialogs& dialogs, OutputList& outputs, QWidget& window, QMenu& menu)
    : QObject(&window)
    , m_dialogs(dialogs)
    , m_outputs(outputs)
    , m_window(window)
{
    auto* action = new QAction(tr("&Output Settings…"), &window);
    action->setObjectName(QStringLiteral("menu_outputSettings"));
    menu.addSeparator();
    menu.addAction(action);
    connect(action, &QAction::triggered, this, &OutputSettings::edit);
    // The settings are a device's: without an output chosen there is none, and the item says why,
    // as Send does. A chosen output unplugged keeps its settings open to change.
    const auto enable = [this, action] {
        const bool chosen = !m_outputs.chosen().empty();
        action->setEnabled(chosen);
        action->setToolTip(chosen ? QString() : m_outputs.unavailableReason());
    };
    connect(&m_outputs, &OutputList::connectionChanged, this, enable);
    enable();
}

void OutputSettings::edit()
{
    const MidiPortIdentity output = m_outputs.chosen();
    if (output.empty())
        return;
    // The settings are the record's: a device that moved to another socket takes them along.
    if (const QString unsettled = RecordHandoverPrompt(m_dialogs).settle(output, m_outputs.present());
        !unsettled.isEmpty()) {
        m_dialogs.runAlert({IDialogs::AlertStyle::Critical, tr("Output Settings"), unsettled, tr("OK")});
        return;
    }
    const DeviceRecord record(DeviceRecord::defaultFolder(), output);
    // Gone once closed, so no hidden copy of its controls lingers among the window's.
    auto* dialog = new OutputSettingsDialog(m_outputs.nameOf(output), record.pacing(), &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // For the output chosen when the dialog opened, whatever the popup shows by then.
    connect(dialog, &QDialog::accepted, this, [this, dialog, output] { keep(output, dialog->pacing()); });
    dialog->open();
}

void OutputSettings::keep(const MidiPortIdentity& output, const OutputPacing& pacing)
{
    // A sender writes the record as it goes: the change waits until it has ended.
    const SenderLock::Taken lock = SenderLock::take(output, kProgram, m_outputs.lockPlaces());
    QString failure = lock.lock ? QString() : WindowText::of(lock.refusal.text());
    if (lock.lock) {
        DeviceRecord record(DeviceRecord::defaultFolder(), output); // as the last sender left it
        if (!record.setPacing(pacing))
            failure = WindowText::of(record.failure().text());
    }
    if (!failure.isEmpty()) {
        const QString message = tr("The output settings were not changed: %1.").arg(failure);
        m_dialogs.runAlert({IDialogs::AlertStyle::Critical, tr("Output Settings"), message, tr("OK")});
        emit status(message);
        return;
    }
    emit status(tr("Output settings of %1: %2").arg(m_outputs.nameOf(output), described(pacing)));
}
