#include "tests/support/LoopbackMidiService.h"

#include "midiio/SysexChunkPlan.h"

#include <algorithm>

LoopbackMidiService::LoopbackMidiService(VirtualClock& clock) : m_clock(clock) {}

LoopbackDestination& LoopbackMidiService::addDestination(MidiEndpointNames names, std::uint64_t bytesPerSecond)
{
    return addDestinationOf<LoopbackDestination>(std::move(names), bytesPerSecond);
}

void LoopbackMidiService::adopt(std::unique_ptr<LoopbackDestination> destination)
{
    std::lock_guard lock(m_mutex);
    m_destinations.push_back({std::move(destination), m_nextRef++, true});
}

std::size_t LoopbackMidiService::addSource(MidiEndpointNames names)
{
    std::lock_guard lock(m_mutex);
    m_sources.emplace_back(m_nextRef++, std::move(names));
    return m_sources.size() - 1;
}

void LoopbackMidiService::emitAt(std::size_t sourceIndex, std::uint64_t dueMicroseconds, MidiPacketList packets)
{
    const MidiRef source = sourceAt(sourceIndex);
    m_clock.at(dueMicroseconds, [this, source, packets = std::move(packets)] {
        std::lock_guard lock(m_mutex);
        for (const auto& [key, context] : m_connections) {
            const auto& [port, connected] = key;
            if (connected != source)
                continue;
            if (auto callback = m_readCallbacks.find(port); callback != m_readCallbacks.end())
                callback->second(packets, context);
        }
    });
}

int LoopbackMidiService::clientCreations() const
{
    std::lock_guard lock(m_mutex);
    return m_clientCreations;
}

MidiRef LoopbackMidiService::createClient(const std::string&)
{
    std::lock_guard lock(m_mutex);
    ++m_clientCreations;
    return m_nextRef++;
}

std::size_t LoopbackMidiService::destinationCount()
{
    std::lock_guard lock(m_mutex);
    return static_cast<std::size_t>(
        std::count_if(m_destinations.begin(), m_destinations.end(), [](const auto& entry) { return entry.present; }));
}

MidiRef LoopbackMidiService::destinationAt(std::size_t index)
{
    std::lock_guard lock(m_mutex);
    for (const DestinationEntry& entry : m_destinations) {
        if (!entry.present)
            continue;
        if (index-- == 0)
            return entry.ref;
    }
    return 0;
}

std::size_t LoopbackMidiService::sourceCount()
{
    std::lock_guard lock(m_mutex);
    return m_sources.size();
}

MidiRef LoopbackMidiService::sourceAt(std::size_t index)
{
    std::lock_guard lock(m_mutex);
    return index < m_sources.size() ? m_sources[index].first : 0;
}

MidiEndpointNames LoopbackMidiService::endpointNames(MidiRef endpoint)
{
    std::lock_guard lock(m_mutex);
    for (const DestinationEntry& entry : m_destinations)
        if (entry.ref == endpoint && entry.present)
            return entry.destination->names();
    for (const auto& [ref, names] : m_sources)
        if (ref == endpoint)
            return names;
    return {};
}

MidiRef LoopbackMidiService::createOutputPort(MidiRef client, const std::string&)
{
    std::lock_guard lock(m_mutex);
    return client == 0 ? 0 : m_nextRef++;
}

MidiRef LoopbackMidiService::createInputPort(MidiRef client, const std::string&, ReadCallback read)
{
    std::lock_guard lock(m_mutex);
    if (client == 0)
        return 0;
    const MidiRef port = m_nextRef++;
    m_readCallbacks[port] = std::move(read);
    return port;
}

void LoopbackMidiService::disposePort(MidiRef port)
{
    std::lock_guard lock(m_mutex);
    m_readCallbacks.erase(port);
    std::erase_if(m_connections, [port](const auto& entry) { return std::get<0>(entry.first) == port; });
}

LoopbackDestination* LoopbackMidiService::presentDestination(MidiRef ref)
{
    for (const DestinationEntry& entry : m_destinations)
        if (entry.ref == ref && entry.present)
            return entry.destination.get();
    return nullptr;
}

void LoopbackMidiService::vanish(MidiRef ref)
{
    std::lock_guard lock(m_mutex);
    for (DestinationEntry& entry : m_destinations)
        if (entry.ref == ref)
            entry.present = false;
}

bool LoopbackMidiService::send(MidiRef outputPort, MidiRef destination, const MidiPacketList& packets)
{
    LoopbackDestination* target;
    {
        std::lock_guard lock(m_mutex);
        target = outputPort == 0 ? nullptr : presentDestination(destination);
    }
    if (!target)
        return false;
    for (const MidiPacket& packet : packets.packets()) {
        m_clock.recordHandover(packet.data.size());
        target->receivePacket(packet.data);
    }
    return true;
}

void LoopbackMidiService::sendSysex(const SysexSendRequest& request)
{
    std::lock_guard lock(m_mutex);
    LoopbackDestination* target = request.data ? presentDestination(request.destination) : nullptr;
    const std::uint64_t now = m_clock.nowMicroseconds();
    m_wireFreeAt = std::max(m_wireFreeAt, now);
    if (!target) {
        m_clock.at(m_wireFreeAt, [completion = request.completion] { completion(false); });
        return;
    }
    m_clock.recordHandover(request.bytesToSend);
    const std::optional<std::size_t> vanishPoint = target->takeVanishPoint();
    const std::size_t arriving = std::min<std::size_t>(request.bytesToSend, vanishPoint.value_or(request.bytesToSend));
    const bool whole = !vanishPoint;
    m_wireFreeAt += SysexChunkPlan::wireMicroseconds(arriving, target->bytesPerSecond());
    m_clock.at(m_wireFreeAt, [this, target, request, arriving, whole] {
        target->receiveSysex(request.data, arriving, whole);
        if (!whole)
            vanish(request.destination);
        request.completion(whole);
    });
}

bool LoopbackMidiService::connectSource(MidiRef inputPort, MidiRef source, void* connectionContext)
{
    std::lock_guard lock(m_mutex);
    if (!m_readCallbacks.count(inputPort) || source == 0)
        return false;
    m_connections[{inputPort, source}] = connectionContext;
    return true;
}

bool LoopbackMidiService::disconnectSource(MidiRef inputPort, MidiRef source)
{
    std::lock_guard lock(m_mutex);
    return m_connections.erase({inputPort, source}) > 0;
}
