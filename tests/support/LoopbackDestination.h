#pragma once

#include "midiio/MidiEndpointNames.h"
#include "tests/support/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// A destination of the loopback MIDI service: it records exactly what reaches it. Subclasses (the
// device simulator) see every System Exclusive arrival. The service delivers on the clock's action
// thread while the sender waits in the clock, so the records need no lock.
class LoopbackDestination {
public:
    // Wire rate in bytes per second; 0 for an instant wire.
    explicit LoopbackDestination(MidiEndpointNames names, std::uint64_t bytesPerSecond = 3125)
        : names(std::move(names))
        , bytesPerSecond(bytesPerSecond)
    {
    }
    virtual ~LoopbackDestination() = default;

    // Failure injection: the next System Exclusive message breaks off after this many bytes, and
    // the destination disappears from the service.
    void vanishAfter(std::size_t bytes) { m_vanishAfter = bytes; }
    std::optional<std::size_t> takeVanishPoint() { return std::exchange(m_vanishAfter, std::nullopt); }

    // Short-message packets, one entry per packet.
    const std::vector<Bytes>& packets() const { return m_packets; }
    // System Exclusive messages that arrived whole.
    const std::vector<Bytes>& sysexMessages() const { return m_sysexMessages; }

    void receivePacket(const Bytes& packet) { m_packets.push_back(packet); }
    // whole is false for a message that broke off.
    virtual void receiveSysex(const std::uint8_t* data, std::size_t length, bool whole)
    {
        if (whole)
            m_sysexMessages.emplace_back(data, data + length);
    }

    const MidiEndpointNames names;
    const std::uint64_t bytesPerSecond;

private:
    std::optional<std::size_t> m_vanishAfter;
    std::vector<Bytes> m_packets;
    std::vector<Bytes> m_sysexMessages;
};
