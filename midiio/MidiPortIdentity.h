#pragma once

#include "midiio/MidiEndpointNames.h"

#include <optional>
#include <string>

// A destination as the user knows it: its client's name and its port's name, and for a USB
// interface the socket it is plugged into. Unlike its position in the list or its client number,
// this survives unplugging and plugging the device back in, so it is what the program remembers.
// The socket tells two identical interfaces apart, one per unit; an identity without one (virtual
// and serial ports, and what was remembered before sockets were told apart) stands for the first
// destination listed under its names.
struct MidiPortIdentity {
    std::string client;
    std::string port;
    // As MidiEndpointNames::location; empty where the kernel names no USB path.
    std::string location = {};

    static MidiPortIdentity of(const MidiEndpointNames& names) { return {names.model, names.display, names.location}; }

    bool empty() const { return client.empty() && port.empty(); }
    // The same names, wherever the interface is plugged.
    bool sameNamesAs(const MidiPortIdentity& other) const { return client == other.client && port == other.port; }
    // Whether a destination of this identity is what the wanted one stands for: the same, or the
    // same names where the wanted one names no socket.
    bool answers(const MidiPortIdentity& wanted) const
    {
        return sameNamesAs(wanted) && (wanted.location.empty() || location == wanted.location);
    }
    // The names without the socket.
    MidiPortIdentity withoutLocation() const { return {client, port}; }

    // "client:port" as the output list and `zylox ports` show it, with the socket for a USB
    // interface: "USB MIDI Interface:Port 1 (USB socket 2)". Always shown, so that an output keeps
    // its name whether or not its twin is plugged in too.
    std::string displayName() const;
    // The same with the USB bus, "… (USB socket 1 on bus 0000:00:14.0)", for two interfaces in
    // sockets of the same number on different controllers.
    std::string displayNameWithBus() const;
    // The socket's number as the kernel counts it from the controller, "2" or "2.3" behind a hub;
    // empty without a location.
    std::string socket() const;

    // A one-line form to store, "client:port", or "client:port:location" for a USB interface, with
    // ':' and '\' inside each part escaped by '\'; fromString gives it back (strings written before
    // sockets were told apart read as identities without one), or nothing for a string that no
    // identity writes.
    std::string toString() const;
    static std::optional<MidiPortIdentity> fromString(const std::string& stored);

    friend bool operator==(const MidiPortIdentity&, const MidiPortIdentity&) = default;
};
