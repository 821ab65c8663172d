#include "tests/support/LoopbackMidiService.h"

#include "midiio/SysexChunkPlan.h"

#include <algorithm>

std::size_t LoopbackMidiService::addSource(MidiEndpointNames names)
{
    m_sources.emplace_back(m_nextRef++, std::move(names));
    return m_sources.size() - 1;
}

void LoopbackMidiService::unplugSource(std::size_t sourceIndex)
{
    if (sourceIndex >= m_sources.size())
        return;
    const MidiRef source = m_sources[sourceIndex].first;
    m_sources.erase(m_sources.begin() + static_cast<std::ptrdiff_t>(sourceIndex));
    std::erase_if(m_connections, [source](const auto& entry) { return entry.first.second == source; });
    changed();
}

std::size_t LoopbackMidiService::plugInSource(MidiEndpointNames names)
{
    const std::size_t index = addSource(std::move(names));
    changed();
    return index;
}

void LoopbackMidiService::emitAt(std::size_t sourceIndex, std::uint64_t dueMicroseconds, MidiPacketList packets)
{
    m_clock.at(dueMicroseconds, [this, source = sourceAt(sourceIndex), packets = std::move(packets)] {
        for (const auto& [connection, context] : m_connections)
            if (connection.second == source)
                m_readCallbacks.at(connection.first)(packets, context);
    });
}

MidiRef LoopbackMidiService::createClient(const std::string&)
{
    ++m_clientCreations;
    return m_nextRef++;
}

MidiEndpointNames LoopbackMidiService::endpointNames(MidiRef endpoint)
{
    if (const LoopbackDestination* destination = present(endpoint))
        return destination->names;
    for (const auto& [ref, names] : m_sources)
        if (ref == endpoint)
            return names;
    return {};
}

MidiRef LoopbackMidiService::createInputPort(MidiRef, const std::string&, ReadCallback read)
{
    m_readCallbacks[m_nextRef] = std::move(read);
    return m_nextRef++;
}

void LoopbackMidiService::disposePort(MidiRef port)
{
    m_readCallbacks.erase(port);
    std::erase_if(m_connections, [port](const auto& entry) { return entry.first.first == port; });
}

LoopbackDestination* LoopbackMidiService::present(MidiRef ref) const
{
    const auto found
        = std::find_if(m_present.begin(), m_present.end(), [ref](const auto& entry) { return entry.first == ref; });
    return found == m_present.end() ? nullptr : found->second;
}

bool LoopbackMidiService::send(MidiRef outputPort, MidiRef destination, const MidiPacketList& packets)
{
    LoopbackDestination* target = present(destination);
    if (outputPort == 0 || !target)
        return false;
    for (const MidiPacket& packet : packets.packets()) {
        m_clock.recordHandover(packet.data.size());
        target->receivePacket(packet.data);
    }
    return true;
}

void LoopbackMidiService::unplug(LoopbackDestination& destination)
{
    std::erase_if(m_present, [&](const auto& entry) { return entry.second == &destination; });
    changed();
}

void LoopbackMidiService::plugIn(LoopbackDestination& destination)
{
    m_present.emplace_back(m_nextRef++, &destination);
    changed();
}

void LoopbackMidiService::changed()
{
    if (m_onChange)
        m_onChange();
}

void LoopbackMidiService::sendSysex(const SysexSendRequest& request)
{
    LoopbackDestination* target = request.data ? present(request.destination) : nullptr;
    m_wireFreeAt = std::max(m_wireFreeAt, m_clock.nowMicroseconds());
    if (!target) {
        m_clock.at(m_wireFreeAt, [completion = request.completion] { completion(false); });
        return;
    }
    m_clock.recordHandover(request.bytesToSend);
    const std::optional<std::size_t> vanishPoint = target->takeVanishPoint();
    const std::size_t arriving = std::min<std::size_t>(request.bytesToSend, vanishPoint.value_or(request.bytesToSend));
    auto message = std::make_shared<InFlight>(InFlight{request, target, m_wireFreeAt});
    m_inFlight.push_back(message);
    m_wireFreeAt += SysexChunkPlan(arriving, target->bytesPerSecond, request.pacing).completionMicroseconds();
    m_clock.at(m_wireFreeAt, [this, message, arriving, whole = !vanishPoint] {
        if (message->cancelled)
            return;
        std::erase(m_inFlight, message);
        message->target->receiveSysex(message->request.data, arriving, whole);
        if (!whole)
            unplug(*message->target);
        message->request.completion(whole);
    });
}

void LoopbackMidiService::cancelSysex()
{
    const std::uint64_t now = m_clock.nowMicroseconds();
    for (const std::shared_ptr<InFlight>& message : m_inFlight) {
        message->cancelled = true;
        const std::uint64_t carried = now > message->wireStart ? now - message->wireStart : 0;
        const std::size_t bytesPerSecond = message->target->bytesPerSecond;
        const std::size_t arrived = bytesPerSecond == 0 ? message->request.bytesToSend
                                                        : std::min<std::size_t>(message->request.bytesToSend,
                                                                                carried * bytesPerSecond / 1'000'000);
        if (arrived > 0)
            message->target->receiveSysex(message->request.data, arrived, false);
        m_clock.at(now, [completion = message->request.completion] { completion(false); });
    }
    m_inFlight.clear();
    m_wireFreeAt = now;
}

bool LoopbackMidiService::connectSource(MidiRef inputPort, MidiRef source, void* connectionContext)
{
    if (!m_readCallbacks.count(inputPort) || source == 0)
        return false;
    m_connections[{inputPort, source}] = connectionContext;
    return true;
}

bool LoopbackMidiService::disconnectSource(MidiRef inputPort, MidiRef source)
{
    return m_connections.erase({inputPort, source}) > 0;
}
