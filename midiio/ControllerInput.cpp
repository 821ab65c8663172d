#include "midiio/ControllerInput.h"

#include "midiio/MidiSources.h"

#include <utility>

namespace {

constexpr std::size_t kMostPads = 32;

} // namespace

ControllerInput::ControllerInput(IMidiService& service, MidiRef client, std::vector<std::string> padLabels, PadHit hit,
                                 PadTaught taught)
    : m_service(service)
    , m_labels(std::move(padLabels))
    , m_hit(std::move(hit))
    , m_taught(std::move(taught))
{
    {
        const std::lock_guard lock(m_mutex);
        mapNotesLocked();
    }
    m_port = m_service.createInputPort(client, "Controller",
                                       [this](const MidiPacketList& packets, void*) { read(packets); });
}

ControllerInput::~ControllerInput()
{
    // Once the port is gone the service never calls read again, which refers to this input.
    m_service.disposePort(m_port);
}

void ControllerInput::choose(const MidiPortIdentity& controller)
{
    if (m_source != 0)
        m_service.disconnectSource(m_port, m_source);
    m_source = 0;
    m_chosen = controller;
    refresh();
}

void ControllerInput::refresh()
{
    const MidiRef found = MidiSources::find(m_service, m_chosen);
    if (found != m_source && m_source != 0)
        m_service.disconnectSource(m_port, m_source);
    if (found != m_source) {
        // Half a message from the controller that went is no start for the one that came.
        const std::lock_guard lock(m_mutex);
        m_parser.reset();
    }
    // Asked again even for the same source: a device that went and came back between two looks
    // has lost its connection with it.
    m_source = found != 0 && m_service.connectSource(m_port, found, nullptr) ? found : 0;
}

PadNotes ControllerInput::notes() const
{
    const std::lock_guard lock(m_mutex);
    return m_notes;
}

void ControllerInput::setNotes(const PadNotes& notes)
{
    const std::lock_guard lock(m_mutex);
    m_notes = notes;
    mapNotesLocked();
}

void ControllerInput::learn(std::uint16_t pad)
{
    const std::lock_guard lock(m_mutex);
    if (pad < m_labels.size())
        m_learning = pad;
}

void ControllerInput::cancelLearning()
{
    const std::lock_guard lock(m_mutex);
    m_learning.reset();
}

std::optional<std::uint16_t> ControllerInput::learning() const
{
    const std::lock_guard lock(m_mutex);
    return m_learning;
}

void ControllerInput::read(const MidiPacketList& packets)
{
    const std::lock_guard lock(m_mutex);
    for (const MidiPacket& packet : packets.packets())
        for (const std::uint8_t byte : packet.data)
            if (const std::optional<std::uint8_t> note = m_parser.noteOnIn(byte))
                noteOn(*note);
}

void ControllerInput::noteOn(std::uint8_t note)
{
    if (m_learning) {
        const std::uint16_t pad = *std::exchange(m_learning, std::nullopt);
        m_notes.teach(m_labels[pad], note);
        mapNotesLocked();
        m_taught(pad, note);
    }
    const std::uint32_t pads = m_padsOfNote[note];
    for (std::uint16_t pad = 0; pad < m_labels.size() && pad < kMostPads; ++pad)
        if ((pads >> pad) & 1u)
            m_hit(pad);
}

void ControllerInput::mapNotesLocked()
{
    m_padsOfNote.fill(0);
    for (std::size_t pad = 0; pad < m_labels.size() && pad < kMostPads; ++pad)
        if (const std::optional<std::uint8_t> note = m_notes.noteOf(m_labels[pad]))
            m_padsOfNote[*note] |= std::uint32_t{1} << pad;
}
