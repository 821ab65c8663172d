#pragma once

#include "midiio/IMidiService.h"
#include "tests/support/LoopbackDestination.h"
#include "tests/support/VirtualClock.h"

#include <map>
#include <memory>
#include <mutex>
#include <tuple>
#include <vector>

// The MIDI service for tests, in process, on the virtual clock. Tests create its destinations and
// sources. A System Exclusive message is handed over at once (recorded on the clock) and reaches
// its destination whole, with its completion, when its wire time has passed on the clock; wire
// times queue one behind the other. The clock's event thread is the service's own thread: it runs
// completions and the read callbacks of sources.
class LoopbackMidiService final : public IMidiService {
public:
    explicit LoopbackMidiService(VirtualClock& clock);
    LoopbackMidiService(const LoopbackMidiService&) = delete;
    LoopbackMidiService& operator=(const LoopbackMidiService&) = delete;

    // The service keeps the destination; the reference stays valid for the service's lifetime,
    // even after the destination has vanished.
    LoopbackDestination& addDestination(MidiEndpointNames names, std::uint64_t bytesPerSecond = 3125);
    template <typename Destination, typename... Arguments>
    Destination& addDestinationOf(Arguments&&... arguments)
    {
        auto destination = std::make_unique<Destination>(std::forward<Arguments>(arguments)...);
        Destination& added = *destination;
        adopt(std::move(destination));
        return added;
    }
    // Returns the source's index among the sources.
    std::size_t addSource(MidiEndpointNames names);
    // The source sends the packets at the given virtual time to the input ports connected to it then.
    void emitAt(std::size_t sourceIndex, std::uint64_t dueMicroseconds, MidiPacketList packets);

    int clientCreations() const;

    MidiRef createClient(const std::string& name) override;
    std::size_t destinationCount() override;
    MidiRef destinationAt(std::size_t index) override;
    std::size_t sourceCount() override;
    MidiRef sourceAt(std::size_t index) override;
    MidiEndpointNames endpointNames(MidiRef endpoint) override;
    MidiRef createOutputPort(MidiRef client, const std::string& name) override;
    MidiRef createInputPort(MidiRef client, const std::string& name, ReadCallback read) override;
    void disposePort(MidiRef port) override;
    bool send(MidiRef outputPort, MidiRef destination, const MidiPacketList& packets) override;
    void sendSysex(const SysexSendRequest& request) override;
    bool connectSource(MidiRef inputPort, MidiRef source, void* connectionContext) override;
    bool disconnectSource(MidiRef inputPort, MidiRef source) override;

private:
    struct DestinationEntry {
        std::unique_ptr<LoopbackDestination> destination;
        MidiRef ref;
        bool present;
    };

    void adopt(std::unique_ptr<LoopbackDestination> destination);
    LoopbackDestination* presentDestination(MidiRef ref);
    void vanish(MidiRef ref);

    VirtualClock& m_clock;
    mutable std::mutex m_mutex;
    int m_clientCreations = 0;
    MidiRef m_nextRef = 1;
    std::vector<DestinationEntry> m_destinations;
    std::vector<std::pair<MidiRef, MidiEndpointNames>> m_sources;
    std::map<MidiRef, ReadCallback> m_readCallbacks;
    std::map<std::tuple<MidiRef, MidiRef>, void*> m_connections;
    std::uint64_t m_wireFreeAt = 0;
};
