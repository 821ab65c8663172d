#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One run of MIDI bytes that the service sends at one time stamp (0: now).
struct MidiPacket {
    std::uint64_t timeStamp = 0;
    std::vector<std::uint8_t> data;
};

// Packets for one send, within a fixed room of bytes. Messages added with the time stamp of the
// last packet join that packet, so several short messages leave as one packet.
class MidiPacketList {
public:
    explicit MidiPacketList(std::size_t capacityBytes);

    // False, and nothing added, when the bytes do not fit into the room that is left.
    bool add(std::uint64_t timeStamp, const std::vector<std::uint8_t>& bytes);

    const std::vector<MidiPacket>& packets() const { return m_packets; }

private:
    std::size_t m_capacityBytes;
    std::size_t m_usedBytes = 0;
    std::vector<MidiPacket> m_packets;
};
