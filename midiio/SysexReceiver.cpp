#include "midiio/SysexReceiver.h"

namespace {

constexpr std::uint64_t connectSettleMicroseconds = 600'000;
constexpr std::uint64_t drainMicroseconds = 300'000;
constexpr std::uint64_t silenceMicroseconds = 300'000;
constexpr std::uint64_t beginStepMicroseconds = 1'000;

constexpr std::uint8_t sysexStart = 0xF0;
constexpr std::uint8_t sysexEnd = 0xF7;

// The last status byte seen by any receiver; it carries a message across packet lists.
std::atomic<std::uint8_t> lastStatus{0};

} // namespace

std::uint16_t SysexReceiver::SourceNumber(IMidiService& service)
{
    return static_cast<std::uint16_t>(service.sourceCount());
}

std::string SysexReceiver::SourceNameAt(IMidiService& service, std::uint16_t index)
{
    const MidiEndpointNames names = service.endpointNames(service.sourceAt(index));
    return names.manufacturer + ": " + names.display;
}

std::shared_ptr<SysexReceiver> SysexReceiver::withClient(IMidiService& service, IClock& clock, MidiRef client,
                                                         std::uint16_t source)
{
    return std::shared_ptr<SysexReceiver>(new SysexReceiver(service, clock, client, source));
}

SysexReceiver::SysexReceiver(IMidiService& service, IClock& clock, MidiRef client, std::uint16_t source)
    : m_service(service)
    , m_clock(clock)
    , m_client(client)
{
    m_port = m_service.createInputPort(m_client, "InPort", [this](const MidiPacketList& packets, void* context) {
        readData(static_cast<std::vector<midi::MidiEvent>*>(context), packets);
    });
    m_source = m_service.sourceAt(source);
}

SysexReceiver::~SysexReceiver()
{
    // The read callback refers to this receiver: it must never run again once it is gone.
    if (m_isConnected)
        m_service.disconnectSource(m_port, m_source);
    m_service.disposePort(m_port);
}

void SysexReceiver::recordOn(std::vector<midi::MidiEvent>* events)
{
    events->clear();
    m_didRecordingBegin.store(false);
    // A message cut off in an earlier recording must not be completed by this one's bytes.
    lastStatus.store(0);
    m_event.clear();
    m_clock.sleepMicroseconds(connectSettleMicroseconds);
    m_isConnected = m_service.connectSource(m_port, m_source, events);
}

void SysexReceiver::recordOff()
{
    m_service.disconnectSource(m_port, m_source);
    m_isConnected = false;
    m_clock.sleepMicroseconds(drainMicroseconds);
}

bool SysexReceiver::didRecordingBegin() const
{
    return m_didRecordingBegin.load();
}

bool SysexReceiver::isStillRecording()
{
    m_isStillRecording.store(false);
    m_clock.sleepMicroseconds(silenceMicroseconds);
    return m_isStillRecording.load();
}

bool SysexReceiver::waitForRecordOffWithTimeout(std::uint16_t seconds)
{
    const std::uint32_t steps = std::uint32_t{seconds} * 1000;
    for (std::uint32_t step = 0; step < steps && !m_didRecordingBegin.load(); ++step)
        m_clock.sleepMicroseconds(beginStepMicroseconds);
    if (!m_didRecordingBegin.load()) {
        recordOff();
        return false;
    }
    while (m_isStillRecording.load()) {
        m_isStillRecording.store(false);
        m_clock.sleepMicroseconds(silenceMicroseconds);
    }
    recordOff();
    return true;
}

void SysexReceiver::readData(std::vector<midi::MidiEvent>* events, const MidiPacketList& packets)
{
    for (const MidiPacket& packet : packets.packets()) {
        for (const std::uint8_t byte : packet.data) {
            const std::uint8_t status = lastStatus.load(std::memory_order_relaxed);
            if (byte == sysexStart) {
                m_didRecordingBegin.store(true);
                m_event.clear();
                m_event.push_back(byte);
                lastStatus.store(sysexStart, std::memory_order_relaxed);
                m_isStillRecording.store(true);
            } else if (byte == sysexEnd) {
                if (status == sysexStart) {
                    m_event.push_back(byte);
                    events->push_back(m_event);
                }
                lastStatus.store(sysexEnd, std::memory_order_relaxed);
                m_isStillRecording.store(true);
            } else if (byte < 0x80) {
                if (status == sysexStart) {
                    m_event.push_back(byte);
                    m_isStillRecording.store(true);
                }
            } else {
                lastStatus.store(byte, std::memory_order_relaxed);
            }
        }
    }
}
