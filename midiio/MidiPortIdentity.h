#pragma once

#include "midiio/MidiEndpointNames.h"

#include <optional>
#include <string>

// A destination as the user knows it: its client's name and its port's name. Unlike its position
// in the list or its client number, this survives unplugging and plugging the device back in, so
// it is what the program remembers. Two identical interfaces plugged in at once share an identity;
// the first one listed is taken.
struct MidiPortIdentity {
    std::string client;
    std::string port;

    static MidiPortIdentity of(const MidiEndpointNames& names) { return {names.model, names.display}; }

    bool empty() const { return client.empty() && port.empty(); }
    // "client:port", as the output list and `zylox ports` show it.
    std::string displayName() const { return client + ":" + port; }

    // A one-line form to store, "client:port" with ':' and '\' inside the names escaped by '\';
    // fromString gives it back, or nothing for a string that no identity writes.
    std::string toString() const;
    static std::optional<MidiPortIdentity> fromString(const std::string& stored);

    friend bool operator==(const MidiPortIdentity&, const MidiPortIdentity&) = default;
};
