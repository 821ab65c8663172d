#include "tests/support/LoopbackDestination.h"

#include <utility>

LoopbackDestination::LoopbackDestination(MidiEndpointNames names, std::uint64_t bytesPerSecond)
    : m_names(std::move(names)), m_bytesPerSecond(bytesPerSecond)
{
}

void LoopbackDestination::vanishAfter(std::size_t bytes)
{
    std::lock_guard lock(m_mutex);
    m_vanishAfter = bytes;
}

std::optional<std::size_t> LoopbackDestination::takeVanishPoint()
{
    std::lock_guard lock(m_mutex);
    return std::exchange(m_vanishAfter, std::nullopt);
}

std::vector<std::vector<std::uint8_t>> LoopbackDestination::packets() const
{
    std::lock_guard lock(m_mutex);
    return m_packets;
}

std::vector<std::vector<std::uint8_t>> LoopbackDestination::sysexMessages() const
{
    std::lock_guard lock(m_mutex);
    return m_sysexMessages;
}

std::vector<std::uint8_t> LoopbackDestination::bytes() const
{
    std::lock_guard lock(m_mutex);
    return m_bytes;
}

void LoopbackDestination::receivePacket(const std::vector<std::uint8_t>& packet)
{
    std::lock_guard lock(m_mutex);
    m_packets.push_back(packet);
    m_bytes.insert(m_bytes.end(), packet.begin(), packet.end());
}

void LoopbackDestination::receiveSysex(const std::uint8_t* data, std::size_t length, bool whole)
{
    std::lock_guard lock(m_mutex);
    if (whole)
        m_sysexMessages.emplace_back(data, data + length);
    m_bytes.insert(m_bytes.end(), data, data + length);
}
