#include "midiio/SysexTransmitter.h"

#include "midiio/SysexChunkPlan.h"

namespace {

constexpr std::uint64_t afterHandOverMicroseconds = 320;
constexpr std::size_t notesOffListBytes = 255;
// Longest pause a dump event may ask for; keeps the conversion to microseconds defined.
constexpr double longestOffsetSeconds = 1.0e9;

} // namespace

std::uint16_t SysexTransmitter::DestinationNumber(IMidiService& service)
{
    return static_cast<std::uint16_t>(service.destinationCount());
}

std::string SysexTransmitter::DestinationNameAt(IMidiService& service, std::uint16_t index)
{
    const MidiEndpointNames names = service.endpointNames(service.destinationAt(index));
    return names.manufacturer + ": " + names.display;
}

std::shared_ptr<SysexTransmitter> SysexTransmitter::withClient(IMidiService& service, IClock& clock, MidiRef client,
                                                               std::uint16_t destination)
{
    std::shared_ptr<SysexTransmitter> transmitter(new SysexTransmitter(service, clock, client));
    transmitter->initWithClient(destination);
    return transmitter;
}

SysexTransmitter::SysexTransmitter(IMidiService& service, IClock& clock, MidiRef client)
    : m_service(service)
    , m_clock(clock)
    , m_client(client)
{
}

void SysexTransmitter::initWithClient(std::uint16_t destination)
{
    const MidiRef port = m_service.createOutputPort(m_client, "OutPort");
    m_request.destination = m_service.destinationAt(destination);
    std::weak_ptr<SysexTransmitter> self = weak_from_this();
    m_request.completion = [self](bool sent) {
        if (auto transmitter = self.lock())
            transmitter->complete(sent);
    };
    sendAllNotesOffOverPort(port, m_request.destination);
}

void SysexTransmitter::sendAllNotesOffOverPort(MidiRef port, MidiRef destination)
{
    MidiPacketList list(notesOffListBytes);
    std::size_t bytes = 0;
    for (std::uint8_t channel = 0; channel < 16; ++channel, bytes += 3)
        list.add(0, {static_cast<std::uint8_t>(0xB0 + channel), 0x7B, 0x00});
    // The burst has always ended with channel 1 once more: 51 bytes that devices have seen for years.
    list.add(0, {0xB0, 0x7B, 0x00});
    bytes += 3;
    m_service.send(port, destination, list);
    // The device needs no settling time: the silencing has left once the wire has carried it.
    m_clock.sleepMicroseconds(SysexChunkPlan::wireMicroseconds(bytes, SysexChunkPlan::wireBytesPerSecond));
}

void SysexTransmitter::transmitMessage(const std::vector<std::uint8_t>& message)
{
    m_isStillTransmitting.store(true, std::memory_order_release);
    m_didFail.store(false, std::memory_order_relaxed);
    m_messageToSend = 1;
    m_dump = nullptr;
    transmit(message);
}

void SysexTransmitter::transmitDump(const std::vector<midi::MidiEvent>& dump)
{
    m_didFail.store(false, std::memory_order_relaxed);
    if (dump.empty())
        return;
    m_isStillTransmitting.store(true, std::memory_order_release);
    m_messageToSend = dump.size();
    m_dump = &dump;
    m_dumpIndex = 0;
    waitOffset(dump[0].m_offset);
    transmit(dump[0]);
}

void SysexTransmitter::transmit(const std::vector<std::uint8_t>& message)
{
    m_request.data = message.data();
    m_request.bytesToSend = static_cast<std::uint32_t>(message.size());
    m_service.sendSysex(m_request);
    m_clock.sleepMicroseconds(afterHandOverMicroseconds);
}

void SysexTransmitter::complete(bool sent)
{
    if (!sent) {
        finish(true);
        return;
    }
    if (--m_messageToSend == 0) {
        finish(false);
        return;
    }
    ++m_dumpIndex;
    const midi::MidiEvent& next = (*m_dump)[m_dumpIndex];
    waitOffset(next.m_offset);
    transmit(next);
}

void SysexTransmitter::cancel()
{
    m_service.cancelSysex();
}

void SysexTransmitter::finish(bool failed)
{
    m_messageToSend = 0;
    m_dump = nullptr;
    m_dumpIndex = 0;
    m_didFail.store(failed, std::memory_order_relaxed);
    m_isStillTransmitting.store(false, std::memory_order_release);
    m_clock.wake();
}

void SysexTransmitter::waitOffset(double seconds)
{
    if (!(seconds > 0.0))
        return;
    if (seconds > longestOffsetSeconds)
        seconds = longestOffsetSeconds;
    m_clock.sleepMicroseconds(static_cast<std::uint64_t>(seconds * 1'000'000.0));
}

bool SysexTransmitter::isStillTransmitting() const
{
    return m_isStillTransmitting.load(std::memory_order_acquire);
}

bool SysexTransmitter::didTransmissionFail() const
{
    return m_didFail.load(std::memory_order_relaxed);
}
