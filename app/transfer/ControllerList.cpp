#include "app/transfer/ControllerList.h"

#include "app/settings/Settings.h"
#include "midiio/ControllerInput.h"
#include "midiio/MidiDestinations.h"
#include "midiio/MidiSources.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>

namespace {

const QString kControllerKey = QStringLiteral("midi/controller");

} // namespace

ControllerList::ControllerList(QComboBox& popup, IMidiService& service, ControllerInput& input, Settings& settings,
                               QObject* parent)
    : QObject(parent)
    , m_popup(popup)
    , m_service(service)
    , m_input(input)
    , m_settings(settings)
{
    // Only the user's own choices: not the list being filled again.
    connect(&m_popup, &QComboBox::activated, this, &ControllerList::userChose);
    const auto kept = MidiPortIdentity::fromString(m_settings.value(kControllerKey).toString().toStdString());
    m_input.choose(kept.value_or(MidiPortIdentity{}));
    refresh();
}

QString ControllerList::chosenName() const
{
    if (m_input.chosen().empty())
        return {};
    return QString::fromStdString(MidiDestinations::nameAmong(MidiSources::identities(m_service), m_input.chosen()));
}

void ControllerList::refresh()
{
    m_input.refresh();
    const std::vector<MidiPortIdentity> sources = MidiSources::identities(m_service);
    const MidiPortIdentity& chosen = m_input.chosen();
    const auto found = std::find_if(sources.begin(), sources.end(),
                                    [&](const MidiPortIdentity& source) { return source.answers(chosen); });

    // Each entry carries its source's identity, None an empty one; the stand-in for a missing
    // controller carries none, so choosing it changes nothing.
    const QSignalBlocker quiet(&m_popup);
    m_popup.clear();
    m_popup.addItem(tr("None"), QString());
    if (!chosen.empty() && found == sources.end())
        m_popup.addItem(tr("%1 (disconnected)").arg(chosenName()));
    const std::vector<std::string> names = MidiDestinations::listedNames(sources);
    for (std::size_t index = 0; index < sources.size(); ++index)
        m_popup.addItem(QString::fromStdString(names[index]), QString::fromStdString(sources[index].toString()));
    const int firstSource = m_popup.count() - static_cast<int>(sources.size());
    m_popup.setCurrentIndex(chosen.empty()           ? 0
                            : found == sources.end() ? 1
                                                     : firstSource + static_cast<int>(found - sources.begin()));
    emit connectionChanged(m_input.isConnected());
}

void ControllerList::userChose(int row)
{
    const QVariant identity = m_popup.itemData(row);
    if (!identity.isValid())
        return;
    const QString stored = identity.toString();
    m_input.choose(MidiPortIdentity::fromString(stored.toStdString()).value_or(MidiPortIdentity{}));
    m_settings.setValue(kControllerKey, stored);
    refresh();
}
