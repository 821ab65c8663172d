#include "app/transfer/DeviceContentsSaving.h"

#include "app/common/MenuItems.h"
#include "app/common/WindowText.h"
#include "app/files/FilePanels.h"
#include "app/transfer/OutputList.h"
#include "midiio/MidiDestinations.h"
#include "midiio/TransmissionAccount.h"
#include "midiio/record/DeviceContents.h"
#include "midiio/record/DeviceContentsSave.h"
#include "midiio/record/DeviceRecord.h"

#include <QAction>
#include <QMenu>
#include <QStringList>

#include <optional>
#include <vector>

DeviceContentsSaving::DeviceContentsSaving(IDialogs& dialogs, FilePanels& panels, OutputList& outputs, QWidget& window,
                                           QMenu& menu, QAction* after)
    : QObject(&window)
    , m_dialogs(dialogs)
    , m_panels(panels)
    , m_outputs(outputs)
{
    auto* action = new QAction(tr("Save &Device Contents…"), &window);
    action->setObjectName(QStringLiteral("menu_saveDeviceContents"));
    MenuItems::insertAfter(menu, after, action);
    connect(action, &QAction::triggered, this, &DeviceContentsSaving::save);
}

void DeviceContentsSaving::alert(IDialogs::AlertStyle style, const QString& message)
{
    m_dialogs.runAlert({style, tr("Save Device Contents"), message, tr("OK")});
}

void DeviceContentsSaving::save()
{
    if (const std::optional<Device> device = deviceToSave())
        saveContentsOf(*device);
}

std::optional<DeviceContentsSaving::Device> DeviceContentsSaving::deviceToSave()
{
    const std::string folder = DeviceRecord::defaultFolder();
    const auto knownRowsOf = [&folder](const MidiPortIdentity& device) {
        const DeviceRecord record(folder, device);
        return DeviceContents(record).knownRows();
    };
    const MidiPortIdentity output = m_outputs.chosen();
    if (!output.empty() && !knownRowsOf(output).empty())
        return Device{output, m_outputs.nameOf(output)};
    // The copy is saved without its device plugged in: any device of which a bank is known will do.
    std::vector<MidiPortIdentity> devices;
    std::vector<std::vector<std::size_t>> known;
    for (const MidiPortIdentity& device : DeviceRecord::recorded(folder)) {
        if (std::vector<std::size_t> rows = knownRowsOf(device); !rows.empty()) {
            devices.push_back(device);
            known.push_back(std::move(rows));
        }
    }
    const QString chosen = m_outputs.nameOf(output);
    // The copies need no output, nor a MIDI system: without one chosen, any device's will do.
    if (devices.empty()) {
        alert(IDialogs::AlertStyle::Informational,
              output.empty() ? tr("No bank of any device is known: a bank is known once it has been sent to the device "
                                  "completely.")
                             : tr("No bank of %1 is known: a bank is known once it has been sent to the device "
                                  "completely.")
                                   .arg(chosen));
        return std::nullopt;
    }
    const std::vector<std::string> names = MidiDestinations::listedNames(devices);
    QStringList items;
    for (std::size_t index = 0; index < devices.size(); ++index)
        items << tr("%1 (known: %2)")
                     .arg(QString::fromStdString(names[index]),
                          WindowText::of(TransmissionAccount::rows(known[index])));
    const QString label = output.empty()
                              ? tr("Save what is known of which device?")
                              : tr("No bank of %1 is known. Save what is known of which device?").arg(chosen);
    const int picked = m_dialogs.runPick({tr("Save Device Contents"), label, items});
    if (picked < 0 || static_cast<std::size_t>(picked) >= devices.size())
        return std::nullopt;
    const auto index = static_cast<std::size_t>(picked);
    return Device{devices[index], QString::fromStdString(names[index])};
}

void DeviceContentsSaving::saveContentsOf(const Device& chosen)
{
    const QString& device = chosen.name;
    const DeviceRecord record(DeviceRecord::defaultFolder(), chosen.identity);
    DeviceContentsSave save{DeviceContents(record)};
    // Another program may have changed the record since it was chosen.
    if (save.nothingKnown()) {
        alert(
            IDialogs::AlertStyle::Informational,
            tr("No bank of %1 is known: a bank is known once it has been sent to the device completely.").arg(device));
        return;
    }

    const auto failed = [&] {
        alert(IDialogs::AlertStyle::Critical,
              tr("%1 could not be saved (%2).")
                  .arg(QString::fromStdString(save.failedPath()), WindowText::of(save.failure().text())));
    };
    if (save.oneFile()) {
        const std::string path = m_panels.save({"mid"}, tr("Device contents") + QStringLiteral(".mid"));
        if (path.empty())
            return;
        if (!save.saveAll(path))
            return failed();
        m_panels.saved(path);
        emit status(tr("Saved all banks of %1 to %2").arg(device, QString::fromStdString(path)));
        return;
    }
    // A bank file holds one bank or all 32: the known banks can only go one to a file.
    const auto known = static_cast<int>(save.knownCount());
    const QString question = tr("Not known on %1: %2.\nA bank file holds one bank or all 32: save the %n known bank(s) "
                                "as one-bank files into a folder?",
                                nullptr, known)
                                 .arg(device, WindowText::of(TransmissionAccount::rows(save.unknownRows())));
    if (m_dialogs.runAlert({IDialogs::AlertStyle::Question, tr("Save Device Contents"), question,
                            tr("Save into Folder…"), tr("Cancel")})
        != IDialogs::AlertReply::Default)
        return;
    // The panel names the folder, which is made if need be.
    const std::string folder = m_panels.save({}, tr("Device contents"));
    if (folder.empty())
        return;
    if (!save.saveEach(folder))
        return failed();
    // The next panel starts where the folder was made, beside it.
    m_panels.saved(folder);
    const QString into = QString::fromStdString(folder);
    emit status(tr("Saved %n bank(s) of %1 into %2", nullptr, known).arg(device, into));
}
