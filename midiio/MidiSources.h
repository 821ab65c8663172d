#pragma once

#include "midiio/IMidiService.h"
#include "midiio/MidiPortIdentity.h"

#include <vector>

// The service's sources (a controller's keys and pads, a device's output) seen by identity, as
// MidiDestinations sees the destinations: what the controller list shows, and how a remembered
// controller is found again after it was unplugged, wherever it is listed then.
class MidiSources {
public:
    // In the service's order.
    static std::vector<MidiPortIdentity> identities(IMidiService& service);
    // The source with this identity now, or 0; for an identity without a socket, the first one
    // listed under its names.
    static MidiRef find(IMidiService& service, const MidiPortIdentity& identity);
};
