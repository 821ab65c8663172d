#include "app/transfer/OutputList.h"

#include "midiio/IMidiService.h"
#include "midiio/MidiDestinations.h"

#include <QComboBox>
#include <QMetaObject>
#include <QSignalBlocker>

#include <algorithm>

OutputList::OutputList(QComboBox& popup, IMidiService& service, QObject* parent)
    : QObject(parent)
    , m_popup(popup)
    , m_service(service)
{
    // Any change of the current entry but the list's own refills: the user's, or a remembered
    // output being restored.
    connect(&m_popup, &QComboBox::currentIndexChanged, this, &OutputList::userChose);
    // Notices come on the service's thread; the list is rebuilt on this one.
    m_service.setDestinationsChanged(
        [this] { QMetaObject::invokeMethod(this, &OutputList::refresh, Qt::QueuedConnection); });
    refresh();
}

OutputList::~OutputList()
{
    m_service.setDestinationsChanged({});
}

void OutputList::choose(const MidiPortIdentity& identity)
{
    m_chosen = identity;
    refresh();
}

void OutputList::refresh()
{
    const std::vector<MidiPortIdentity> outputs = MidiDestinations::identities(m_service);
    if (m_chosen.empty() && !outputs.empty())
        m_chosen = outputs.front();
    // An output remembered before sockets were told apart is the first one of its names.
    const auto found = std::find_if(outputs.begin(), outputs.end(),
                                    [this](const MidiPortIdentity& output) { return output.answers(m_chosen); });
    m_connected = !m_chosen.empty() && found != outputs.end();
    if (m_connected)
        m_chosen = *found;

    // Each entry carries its output's identity; the stand-in for a missing one carries none.
    const QSignalBlocker quiet(&m_popup);
    m_popup.clear();
    if (!m_chosen.empty() && !m_connected)
        m_popup.addItem(tr("%1 (disconnected)").arg(nameOf(m_chosen)));
    const std::vector<std::string> names = MidiDestinations::listedNames(outputs);
    for (std::size_t index = 0; index < outputs.size(); ++index)
        m_popup.addItem(QString::fromStdString(names[index]), QString::fromStdString(outputs[index].toString()));
    if (m_popup.count() == 0)
        m_popup.addItem(absence());
    m_popup.setCurrentIndex(m_connected ? static_cast<int>(found - outputs.begin()) : 0);
    emit connectionChanged(m_connected);
}

QString OutputList::unavailableReason() const
{
    if (m_connected)
        return {};
    const QString absent = absence();
    if (!absent.isEmpty())
        return absent;
    return tr("%1 is disconnected: plug it in again or choose another output").arg(nameOf(m_chosen));
}

QString OutputList::absence() const
{
    // Worded here as MidiDestinations words it for zylox, in the window's language.
    if (!m_service.systemAvailable())
        return tr("no MIDI system (the ALSA sequencer is not available: is the snd-seq module loaded?)");
    if (m_service.destinationCount() == 0)
        return tr("no MIDI output: plug in your interface");
    return {};
}

QString OutputList::nameOf(const MidiPortIdentity& output) const
{
    return QString::fromStdString(MidiDestinations::nameAmong(present(), output));
}

std::vector<MidiPortIdentity> OutputList::present() const
{
    return MidiDestinations::identities(m_service);
}

void OutputList::userChose(int row)
{
    const QVariant identity = m_popup.itemData(row);
    if (!identity.isValid())
        return;
    if (const auto chosen = MidiPortIdentity::fromString(identity.toString().toStdString()))
        m_chosen = *chosen;
    refresh();
}
