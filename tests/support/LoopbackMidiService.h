#pragma once

#include "midiio/IMidiService.h"
#include "tests/support/LoopbackDestination.h"
#include "tests/support/VirtualClock.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The MIDI service for tests, in process, on the virtual clock. Tests create its destinations and
// sources. A System Exclusive message is handed over at once (recorded on the clock) and reaches
// its destination whole, with its completion, when its wire time has passed on the clock; wire
// times queue one behind the other. The clock's action threads stand for the service's own
// thread: they run completions and the read callbacks of sources, each while the thread that
// reached its time waits in the clock; so the calls of one test never overlap, and need no lock.
// A cancelled message reaches its destination cut at the bytes its wire time had carried.
class LoopbackMidiService final : public IMidiService {
public:
    explicit LoopbackMidiService(VirtualClock& clock)
        : m_clock(clock)
    {
    }

    // The service keeps the destination; the reference stays valid for the service's lifetime,
    // even after the destination has vanished.
    LoopbackDestination& addDestination(MidiEndpointNames names, std::uint64_t bytesPerSecond = 3125)
    {
        return addDestinationOf<LoopbackDestination>(std::move(names), bytesPerSecond);
    }
    template <typename Destination, typename... Arguments> Destination& addDestinationOf(Arguments&&... arguments)
    {
        auto& added = m_destinations.emplace_back(std::make_unique<Destination>(std::forward<Arguments>(arguments)...));
        plugIn(*added);
        return static_cast<Destination&>(*added);
    }
    // The destination leaves the list (a device unplugged) or comes back under a new reference (and
    // so with a new position), as a device plugged in again does. Both tell the handler of changes
    // on the calling thread.
    void unplug(LoopbackDestination& destination);
    void plugIn(LoopbackDestination& destination);
    // Returns the source's index among the sources.
    std::size_t addSource(MidiEndpointNames names);
    // The source leaves the list (a controller unplugged), or one comes back under a new reference
    // at the end of the list (plugged in again), telling the handler of changes on the calling
    // thread; its connections end with it.
    void unplugSource(std::size_t sourceIndex);
    std::size_t plugInSource(MidiEndpointNames names);
    // The source sends the packets at the given virtual time to the input ports connected to it
    // then, if it is still plugged in.
    void emitAt(std::size_t sourceIndex, std::uint64_t dueMicroseconds, MidiPacketList packets);
    int clientCreations() const { return m_clientCreations; }
    // As on a machine whose MIDI system cannot be opened; such a test adds no destinations.
    void withoutSystem() { m_systemAvailable = false; }

    // Senders to this service's devices meet in the folder, as all users' senders meet in the
    // system's; without one, each sender's own folder holds its locks.
    void shareLocksIn(std::string folder) { m_lockFolder = std::move(folder); }

    bool systemAvailable() const override { return m_systemAvailable; }
    std::string sharedLockFolder() const override { return m_lockFolder; }

    MidiRef createClient(const std::string& name) override;
    std::size_t destinationCount() override { return m_present.size(); }
    MidiRef destinationAt(std::size_t index) override { return index < m_present.size() ? m_present[index].first : 0; }
    std::size_t sourceCount() override { return m_sources.size(); }
    MidiRef sourceAt(std::size_t index) override { return index < m_sources.size() ? m_sources[index].first : 0; }
    MidiEndpointNames endpointNames(MidiRef endpoint) override;
    MidiRef createOutputPort(MidiRef, const std::string&) override { return m_nextRef++; }
    MidiRef createInputPort(MidiRef client, const std::string& name, ReadCallback read) override;
    void disposePort(MidiRef port) override;
    bool send(MidiRef outputPort, MidiRef destination, const MidiPacketList& packets) override;
    void sendSysex(const SysexSendRequest& request) override;
    void cancelSysex() override;
    void setDestinationsChanged(DestinationsChanged onChange) override { m_onChange = std::move(onChange); }
    bool connectSource(MidiRef inputPort, MidiRef source, void* connectionContext) override;
    bool disconnectSource(MidiRef inputPort, MidiRef source) override;

private:
    // A System Exclusive message handed over and not yet at its end.
    struct InFlight {
        SysexSendRequest request;
        LoopbackDestination* target;
        std::uint64_t wireStart;
        bool cancelled = false;
    };

    LoopbackDestination* present(MidiRef ref) const;
    void changed();

    VirtualClock& m_clock;
    int m_clientCreations = 0;
    bool m_systemAvailable = true;
    std::string m_lockFolder;
    MidiRef m_nextRef = 1;
    std::vector<std::unique_ptr<LoopbackDestination>> m_destinations;
    std::vector<std::pair<MidiRef, LoopbackDestination*>> m_present;
    std::vector<std::pair<MidiRef, MidiEndpointNames>> m_sources;
    std::map<MidiRef, ReadCallback> m_readCallbacks;
    std::map<std::pair<MidiRef, MidiRef>, void*> m_connections;
    std::uint64_t m_wireFreeAt = 0;
    std::vector<std::shared_ptr<InFlight>> m_inFlight;
    DestinationsChanged m_onChange;
};
