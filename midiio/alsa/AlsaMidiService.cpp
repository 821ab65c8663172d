#include "midiio/alsa/AlsaMidiService.h"

#include "midiio/MidiDestinations.h"
#include "midiio/SysexChunkPlan.h"
#include "midiio/alsa/AlsaAddress.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr unsigned int destinationCapabilities = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
constexpr unsigned int sourceCapabilities = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;
// Longest the destructor waits for bytes still on the wire: one flash write message and some.
constexpr auto longestDrain = std::chrono::seconds(60);
// Encoder room for a short message; System Exclusive never goes through the encoder.
constexpr std::size_t encoderBytes = 256;

using Address = AlsaAddress;

struct MidiEventCoder {
    snd_midi_event_t* coder = nullptr;
    explicit MidiEventCoder(std::size_t bytes)
    {
        if (snd_midi_event_new(bytes, &coder) < 0)
            coder = nullptr;
        else
            snd_midi_event_no_status(coder, 1);
    }
    ~MidiEventCoder()
    {
        if (coder)
            snd_midi_event_free(coder);
    }
};

// The library would print its own lines on standard error, on a machine without sound support
// among others; every failure here is answered through the service's results instead.
void ignoreLibraryError(const char*, int, const char*, int, const char*, ...)
{
}

} // namespace

AlsaMidiService::AlsaMidiService(std::uint64_t wireBytesPerSecond)
    : m_wireBytesPerSecond(wireBytesPerSecond)
    , m_wireFreeAt(Clock::now())
{
    snd_lib_error_set_handler(ignoreLibraryError);
    snd_seq_t* seq = nullptr;
    if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, 0) >= 0) {
        m_seq = seq;
        m_clientId = snd_seq_client_id(seq);
    }
    m_sysex = std::make_unique<AlsaSysexSender>(
        AlsaSysexSender::Sequencer{m_seq, m_seqMutex, m_wireFreeAt,
                                   [this](MidiRef destination) {
                                       const int port = outputPortLocked("OutPort");
                                       return port >= 0 && subscribeLocked(port, destination) ? port : -1;
                                   }},
        m_wireBytesPerSecond);
    if (m_seq) {
        listenToAnnouncements();
        m_reader = std::thread([this] { readLoop(); });
    }
}

AlsaMidiService::~AlsaMidiService()
{
    m_sysex->drain(longestDrain);
    m_readerWait.wake();
    if (m_reader.joinable())
        m_reader.join();
    m_sysex.reset();
    if (m_seq)
        snd_seq_close(m_seq);
}

MidiRef AlsaMidiService::createClient(const std::string& name)
{
    if (!m_seq)
        return 0;
    std::lock_guard lock(m_seqMutex);
    snd_seq_set_client_name(m_seq, name.c_str());
    return static_cast<MidiRef>(m_clientId + 1);
}

std::vector<MidiRef> AlsaMidiService::endpoints(unsigned int wantedCapabilities)
{
    std::vector<MidiRef> found;
    if (!m_seq)
        return found;
    std::lock_guard lock(m_seqMutex);
    snd_seq_client_info_t* client;
    snd_seq_port_info_t* port;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    snd_seq_client_info_set_client(client, -1);
    while (snd_seq_query_next_client(m_seq, client) >= 0) {
        const int id = snd_seq_client_info_get_client(client);
        // The system client's timer and announce ports carry no music; our own ports are not
        // something to send to.
        if (id == SND_SEQ_CLIENT_SYSTEM || id == m_clientId)
            continue;
        snd_seq_port_info_set_client(port, id);
        snd_seq_port_info_set_port(port, -1);
        while (snd_seq_query_next_port(m_seq, port) >= 0) {
            const unsigned int capabilities = snd_seq_port_info_get_capability(port);
            if ((capabilities & wantedCapabilities) == wantedCapabilities
                && !(capabilities & SND_SEQ_PORT_CAP_NO_EXPORT))
                found.push_back(Address::refOf(id, snd_seq_port_info_get_port(port)));
        }
    }
    return found;
}

std::size_t AlsaMidiService::destinationCount()
{
    return endpoints(destinationCapabilities).size();
}

MidiRef AlsaMidiService::destinationAt(std::size_t index)
{
    const std::vector<MidiRef> all = endpoints(destinationCapabilities);
    return index < all.size() ? all[index] : 0;
}

std::size_t AlsaMidiService::sourceCount()
{
    return endpoints(sourceCapabilities).size();
}

MidiRef AlsaMidiService::sourceAt(std::size_t index)
{
    const std::vector<MidiRef> all = endpoints(sourceCapabilities);
    return index < all.size() ? all[index] : 0;
}

MidiEndpointNames AlsaMidiService::endpointNames(MidiRef endpoint)
{
    MidiEndpointNames names;
    if (!m_seq || endpoint == 0)
        return names;
    std::lock_guard lock(m_seqMutex);
    snd_seq_client_info_t* client;
    snd_seq_port_info_t* port;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    if (snd_seq_get_any_client_info(m_seq, Address::clientOf(endpoint), client) >= 0) {
        names.model = snd_seq_client_info_get_name(client);
        char* cardName = nullptr;
        const int card = snd_seq_client_info_get_card(client);
        if (card >= 0 && snd_card_get_name(card, &cardName) >= 0 && cardName) {
            names.manufacturer = cardName;
            std::free(cardName);
        }
        char* longName = nullptr;
        if (card >= 0 && snd_card_get_longname(card, &longName) >= 0 && longName) {
            names.location = MidiDestinations::locationOfCard(longName);
            std::free(longName);
        }
    }
    if (snd_seq_get_any_port_info(m_seq, Address::clientOf(endpoint), Address::portOf(endpoint), port) >= 0)
        names.display = snd_seq_port_info_get_name(port);
    return names;
}

int AlsaMidiService::outputPortLocked(const std::string& name)
{
    // Ports are kept by name: every transmitter opens "OutPort", and one is enough.
    if (auto found = m_outputPorts.find(name); found != m_outputPorts.end())
        return found->second;
    const int port = snd_seq_create_simple_port(m_seq, name.c_str(), sourceCapabilities,
                                                SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    if (port >= 0)
        m_outputPorts[name] = port;
    return port;
}

MidiRef AlsaMidiService::createOutputPort(MidiRef client, const std::string& name)
{
    if (!m_seq || client == 0)
        return 0;
    std::lock_guard lock(m_seqMutex);
    const int port = outputPortLocked(name);
    return port < 0 ? 0 : Address::refOf(m_clientId, port);
}

MidiRef AlsaMidiService::createInputPort(MidiRef client, const std::string& name, ReadCallback read)
{
    if (!m_seq || client == 0)
        return 0;
    int port;
    {
        std::lock_guard lock(m_seqMutex);
        port = snd_seq_create_simple_port(m_seq, name.c_str(), destinationCapabilities,
                                          SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    }
    if (port < 0)
        return 0;
    std::lock_guard lock(m_readMutex);
    m_readCallbacks[port] = std::move(read);
    return Address::refOf(m_clientId, port);
}

void AlsaMidiService::disposePort(MidiRef port)
{
    if (!m_seq || port == 0)
        return;
    {
        std::lock_guard lock(m_readMutex);
        m_readCallbacks.erase(Address::portOf(port));
        std::erase_if(m_connections,
                      [&](const auto& entry) { return std::get<0>(entry.first) == Address::portOf(port); });
    }
    std::lock_guard lock(m_seqMutex);
    std::erase_if(m_outputPorts, [&](const auto& entry) { return entry.second == Address::portOf(port); });
    snd_seq_delete_port(m_seq, Address::portOf(port));
}

bool AlsaMidiService::subscribeLocked(int port, MidiRef destination)
{
    // Asked every time: a subscription dies with its device, and one remembered here would
    // outlive it when the device comes back under the same client number.
    const int error = snd_seq_connect_to(m_seq, port, Address::clientOf(destination), Address::portOf(destination));
    // -EBUSY: the subscription is still there.
    return error >= 0 || error == -EBUSY;
}

bool AlsaMidiService::send(MidiRef outputPort, MidiRef destination, const MidiPacketList& packets)
{
    if (!m_seq || outputPort == 0 || destination == 0)
        return false;
    MidiEventCoder encoder(encoderBytes);
    if (!encoder.coder)
        return false;
    std::lock_guard lock(m_seqMutex);
    const int port = Address::portOf(outputPort);
    if (!subscribeLocked(port, destination))
        return false;
    std::size_t bytes = 0;
    for (const MidiPacket& packet : packets.packets()) {
        for (const std::uint8_t byte : packet.data) {
            snd_seq_event_t event;
            snd_seq_ev_clear(&event);
            if (snd_midi_event_encode_byte(encoder.coder, byte, &event) != 1)
                continue;
            snd_seq_ev_set_source(&event, port);
            snd_seq_ev_set_dest(&event, Address::clientOf(destination), Address::portOf(destination));
            snd_seq_ev_set_direct(&event);
            if (snd_seq_event_output_direct(m_seq, &event) < 0)
                return false;
        }
        bytes += packet.data.size();
    }
    m_wireFreeAt = std::max(m_wireFreeAt, Clock::now())
                   + std::chrono::microseconds(SysexChunkPlan::wireMicroseconds(bytes, m_wireBytesPerSecond));
    return true;
}

void AlsaMidiService::sendSysex(const SysexSendRequest& request)
{
    m_sysex->send(request);
}

void AlsaMidiService::cancelSysex()
{
    m_sysex->cancel();
}

void AlsaMidiService::setDestinationsChanged(DestinationsChanged onChange)
{
    std::lock_guard lock(m_changedMutex);
    m_onDestinationsChanged = std::move(onChange);
}

void AlsaMidiService::listenToAnnouncements()
{
    const int port = snd_seq_create_simple_port(
        m_seq, "Announcements", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT, SND_SEQ_PORT_TYPE_APPLICATION);
    // Without them the list still follows every look at it; only the notices are missing.
    if (port >= 0)
        snd_seq_connect_from(m_seq, port, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE);
}

void AlsaMidiService::announced(int eventType)
{
    if (eventType == SND_SEQ_EVENT_PORT_EXIT || eventType == SND_SEQ_EVENT_CLIENT_EXIT)
        m_sysex->portEnded();
    std::lock_guard lock(m_changedMutex);
    if (m_onDestinationsChanged)
        m_onDestinationsChanged();
}

void AlsaMidiService::readLoop()
{
    const int count = snd_seq_poll_descriptors_count(m_seq, POLLIN);
    std::vector<pollfd> descriptors(static_cast<std::size_t>(std::max(count, 0)));
    snd_seq_poll_descriptors(m_seq, descriptors.data(), static_cast<unsigned int>(descriptors.size()), POLLIN);
    MidiEventCoder decoder(encoderBytes);
    while (m_readerWait.wait(descriptors)) {
        // Gathered under the sequencer's lock, handed out without it.
        std::vector<std::tuple<int, MidiRef, std::vector<std::uint8_t>>> arrived;
        std::vector<int> announcements;
        {
            std::lock_guard lock(m_seqMutex);
            do {
                snd_seq_event_t* event = nullptr;
                if (snd_seq_event_input(m_seq, &event) < 0 || !event)
                    break;
                std::vector<std::uint8_t> bytes;
                if (event->source.client == SND_SEQ_CLIENT_SYSTEM) {
                    switch (event->type) {
                    case SND_SEQ_EVENT_CLIENT_START:
                    case SND_SEQ_EVENT_CLIENT_EXIT:
                    case SND_SEQ_EVENT_CLIENT_CHANGE:
                    case SND_SEQ_EVENT_PORT_START:
                    case SND_SEQ_EVENT_PORT_EXIT:
                    case SND_SEQ_EVENT_PORT_CHANGE:
                        announcements.push_back(event->type);
                        break;
                    default:
                        break;
                    }
                } else if (event->type == SND_SEQ_EVENT_SYSEX) {
                    const auto* data = static_cast<const std::uint8_t*>(event->data.ext.ptr);
                    bytes.assign(data, data + event->data.ext.len);
                } else if (decoder.coder) {
                    bytes.resize(encoderBytes);
                    const long length
                        = snd_midi_event_decode(decoder.coder, bytes.data(), static_cast<long>(bytes.size()), event);
                    bytes.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
                }
                if (!bytes.empty())
                    arrived.emplace_back(event->dest.port, Address::refOf(event->source.client, event->source.port),
                                         std::move(bytes));
            } while (snd_seq_event_input_pending(m_seq, 0) > 0);
        }
        for (const int type : announcements)
            announced(type);
        std::lock_guard lock(m_readMutex);
        for (const auto& [port, source, bytes] : arrived) {
            const auto callback = m_readCallbacks.find(port);
            const auto connection = m_connections.find({port, source});
            if (callback == m_readCallbacks.end() || connection == m_connections.end())
                continue;
            MidiPacketList packets(bytes.size());
            packets.add(0, bytes);
            callback->second(packets, connection->second);
        }
    }
}

bool AlsaMidiService::connectSource(MidiRef inputPort, MidiRef source, void* connectionContext)
{
    if (!m_seq || inputPort == 0 || source == 0)
        return false;
    {
        std::lock_guard lock(m_readMutex);
        m_connections[{Address::portOf(inputPort), source}] = connectionContext;
    }
    std::lock_guard lock(m_seqMutex);
    const int error
        = snd_seq_connect_from(m_seq, Address::portOf(inputPort), Address::clientOf(source), Address::portOf(source));
    // -EBUSY: the port listens to the source already; asking again must not end that.
    if (error < 0 && error != -EBUSY) {
        std::lock_guard readLock(m_readMutex);
        m_connections.erase({Address::portOf(inputPort), source});
        return false;
    }
    return true;
}

bool AlsaMidiService::disconnectSource(MidiRef inputPort, MidiRef source)
{
    if (!m_seq || inputPort == 0 || source == 0)
        return false;
    {
        std::lock_guard lock(m_readMutex);
        m_connections.erase({Address::portOf(inputPort), source});
    }
    std::lock_guard lock(m_seqMutex);
    return snd_seq_disconnect_from(m_seq, Address::portOf(inputPort), Address::clientOf(source),
                                   Address::portOf(source))
           >= 0;
}
