#pragma once

#include "midiio/IMidiService.h"
#include "midiio/alsa/AlsaSysexSender.h"
#include "midiio/alsa/WakeablePoll.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

struct _snd_seq;

// The MIDI service over the ALSA sequencer. Destinations are other clients' ports that accept
// subscribed writes, sources those that offer subscribed reads, in the sequencer's order; the
// manufacturer is the sound card's name where the client belongs to one.
//
// A System Exclusive message goes out from a port subscribed to the destination (the kernel opens
// a hardware port only on subscription), as events of at most 256 bytes addressed to the port so
// that errors come back, paced at the wire rate (SysexChunkPlan); its completion comes on the
// service's sender thread when its wire time has passed, or with a failure when the sequencer
// refuses an event or the destination disappears. Without sound support the service has no
// endpoints and every send fails.
//
// Devices come and go: the service listens to the System Announce port, tells its user about
// clients and ports that start or end, and wakes a message on its way when a port ends. It keeps no
// subscription of its own: every message subscribes afresh (an existing one is taken as it is), so
// a device plugged back in, with the same client number or a new one, gets a new subscription.
class AlsaMidiService final : public IMidiService {
public:
    // The rate the wire carries bytes at; 0 for no pacing.
    explicit AlsaMidiService(std::uint64_t wireBytesPerSecond = 3125);
    // Waits until the bytes already handed to the kernel have had their wire time: closing the
    // sequencer earlier would throw them away.
    ~AlsaMidiService() override;
    AlsaMidiService(const AlsaMidiService&) = delete;
    AlsaMidiService& operator=(const AlsaMidiService&) = delete;

    bool systemAvailable() const override { return m_seq != nullptr; }
    // The system's folder for the locks of devices, shared by every user and root.
    std::string sharedLockFolder() const override { return "/run/lock"; }
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
    void cancelSysex() override;
    void setDestinationsChanged(DestinationsChanged onChange) override;
    bool connectSource(MidiRef inputPort, MidiRef source, void* connectionContext) override;
    bool disconnectSource(MidiRef inputPort, MidiRef source) override;

private:
    using Clock = std::chrono::steady_clock;

    std::vector<MidiRef> endpoints(unsigned int wantedCapabilities);
    int outputPortLocked(const std::string& name);
    bool subscribeLocked(int port, MidiRef destination);
    void listenToAnnouncements();
    void readLoop();
    // An announcement of a client or port that started or ended.
    void announced(int eventType);

    const std::uint64_t m_wireBytesPerSecond;
    _snd_seq* m_seq = nullptr;
    int m_clientId = -1;

    // Guards every sequencer call and the port bookkeeping below.
    std::mutex m_seqMutex;
    std::map<std::string, int> m_outputPorts;
    Clock::time_point m_wireFreeAt;

    std::mutex m_changedMutex;
    DestinationsChanged m_onDestinationsChanged;

    // Guards the read callbacks and connections, so that none runs after its port is disposed.
    std::mutex m_readMutex;
    std::map<int, ReadCallback> m_readCallbacks;
    std::map<std::tuple<int, MidiRef>, void*> m_connections;

    std::unique_ptr<AlsaSysexSender> m_sysex;
    // The reader waits on the sequencer without a timeout; the destructor ends its wait.
    WakeablePoll m_readerWait;
    std::thread m_reader;
};
