#pragma once

#include "midiio/IMidiService.h"
#include "midiio/MidiPortIdentity.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The service's destinations seen by identity: what the output list shows and how a remembered
// output is found again, whatever position or client number it has now.
class MidiDestinations {
public:
    // In the service's order.
    static std::vector<MidiPortIdentity> identities(IMidiService& service);
    // The position of the first destination with this identity, if one is there now.
    static std::optional<std::size_t> indexOf(IMidiService& service, const MidiPortIdentity& identity);
    // Why there is nothing to send to, in words for the user (no MIDI system at all, or no output
    // on it); empty while a destination is there.
    static std::string absence(IMidiService& service);
};
