#include "midiio/MidiPacketList.h"

MidiPacketList::MidiPacketList(std::size_t capacityBytes)
    : m_capacityBytes(capacityBytes)
{
}

bool MidiPacketList::add(std::uint64_t timeStamp, const std::vector<std::uint8_t>& bytes)
{
    if (bytes.size() > m_capacityBytes - m_usedBytes)
        return false;
    if (m_packets.empty() || m_packets.back().timeStamp != timeStamp)
        m_packets.push_back(MidiPacket{timeStamp, {}});
    auto& data = m_packets.back().data;
    data.insert(data.end(), bytes.begin(), bytes.end());
    m_usedBytes += bytes.size();
    return true;
}
