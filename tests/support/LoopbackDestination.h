#pragma once

#include "midiio/MidiEndpointNames.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

// A destination of the loopback MIDI service: it records exactly what reaches it. Subclasses (the
// device simulator) see every arrival through the two receive hooks, which the service calls on
// the caller's thread for packets and on the clock's event thread for System Exclusive messages.
class LoopbackDestination {
public:
    // Wire rate in bytes per second; 0 for an instant wire.
    explicit LoopbackDestination(MidiEndpointNames names, std::uint64_t bytesPerSecond = 3125);
    virtual ~LoopbackDestination() = default;
    LoopbackDestination(const LoopbackDestination&) = delete;
    LoopbackDestination& operator=(const LoopbackDestination&) = delete;

    const MidiEndpointNames& names() const { return m_names; }
    std::uint64_t bytesPerSecond() const { return m_bytesPerSecond; }

    // Failure injection: the next System Exclusive message breaks off after this many bytes, and
    // the destination disappears from the service.
    void vanishAfter(std::size_t bytes);
    // The cut of the next message, if one is set; the service asks once per message.
    std::optional<std::size_t> takeVanishPoint();

    // Short-message packets, one entry per packet.
    std::vector<std::vector<std::uint8_t>> packets() const;
    // System Exclusive messages that arrived whole.
    std::vector<std::vector<std::uint8_t>> sysexMessages() const;
    // Every byte that arrived, packets and messages (whole or cut) in arrival order.
    std::vector<std::uint8_t> bytes() const;

    virtual void receivePacket(const std::vector<std::uint8_t>& packet);
    // whole is false for a message that broke off.
    virtual void receiveSysex(const std::uint8_t* data, std::size_t length, bool whole);

private:
    const MidiEndpointNames m_names;
    const std::uint64_t m_bytesPerSecond;
    mutable std::mutex m_mutex;
    std::optional<std::size_t> m_vanishAfter;
    std::vector<std::vector<std::uint8_t>> m_packets;
    std::vector<std::vector<std::uint8_t>> m_sysexMessages;
    std::vector<std::uint8_t> m_bytes;
};
