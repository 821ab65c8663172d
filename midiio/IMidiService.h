#pragma once

#include "midiio/MidiEndpointNames.h"
#include "midiio/MidiPacketList.h"
#include "midiio/SysexSendRequest.h"

#include <cstddef>
#include <functional>
#include <string>

// The platform's MIDI service as the transport needs it. The real one is the ALSA sequencer; tests
// use an in-process loopback. References are opaque; 0 refers to nothing, and every operation
// accepts it and does nothing (or answers empty). All operations may be called from any thread.
class IMidiService {
public:
    // Called on the service's own thread for every packet list that arrives from a connected
    // source, with the context given to connectSource.
    using ReadCallback = std::function<void(const MidiPacketList& packets, void* connectionContext)>;
    // Called after destinations have appeared or disappeared (a device plugged in or out).
    using DestinationsChanged = std::function<void()>;

    virtual ~IMidiService() = default;

    // False when the platform's MIDI system itself cannot be reached (no sequencer), which a user
    // mends differently from a system that merely has no destinations.
    virtual bool systemAvailable() const = 0;
    // The folder where every sender to the service's devices takes its lock (SenderLock), whichever
    // user runs it; empty for a service whose devices no other program reaches.
    virtual std::string sharedLockFolder() const = 0;

    virtual MidiRef createClient(const std::string& name) = 0;

    // Endpoints in the service's order; an index out of range gives 0.
    virtual std::size_t destinationCount() = 0;
    virtual MidiRef destinationAt(std::size_t index) = 0;
    virtual std::size_t sourceCount() = 0;
    virtual MidiRef sourceAt(std::size_t index) = 0;
    virtual MidiEndpointNames endpointNames(MidiRef endpoint) = 0;

    virtual MidiRef createOutputPort(MidiRef client, const std::string& name) = 0;
    virtual MidiRef createInputPort(MidiRef client, const std::string& name, ReadCallback read) = 0;
    // After this the port's read callback is never called again.
    virtual void disposePort(MidiRef port) = 0;

    // Sends short messages now; false when the service refused them.
    virtual bool send(MidiRef outputPort, MidiRef destination, const MidiPacketList& packets) = 0;
    // Returns at once; the request's completion reports the outcome, refusals included.
    virtual void sendSysex(const SysexSendRequest& request) = 0;
    // Ends every System Exclusive message handed over and not yet complete: the one on its way
    // stops within a fraction of a second, the others are not sent; each completion reports false.
    // Returns at once.
    virtual void cancelSysex() = 0;

    // Replaces the handler of destination changes, which runs on the service's own thread; an
    // empty one ends the calls. Once this returns, the previous handler is not running and is
    // never called again. Not to be called from inside a handler.
    virtual void setDestinationsChanged(DestinationsChanged onChange) = 0;

    virtual bool connectSource(MidiRef inputPort, MidiRef source, void* connectionContext) = 0;
    virtual bool disconnectSource(MidiRef inputPort, MidiRef source) = 0;
};
