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
    // The position of the destination with this identity, if one is there now; for an identity
    // without a socket, of the first one listed under its names.
    static std::optional<std::size_t> indexOf(IMidiService& service, const MidiPortIdentity& identity);
    // The names to list these identities under, each telling its output from the others: the
    // display name, with the USB bus where two sockets on different buses share a number.
    static std::vector<std::string> listedNames(const std::vector<MidiPortIdentity>& identities);
    // The name of one identity as it is listed among these (present or not).
    static std::string nameAmong(const std::vector<MidiPortIdentity>& identities, const MidiPortIdentity& identity);
    // Where a sound card of this long name is plugged, as the kernel words it ("ZYLOX at
    // usb-0000:00:14.0-2, full speed" gives "usb-0000:00:14.0-2"); empty for a card not on USB.
    static std::string locationOfCard(const std::string& longName);
    // Why there is nothing to send to, in words for the user (no MIDI system at all, or no output
    // on it); empty while a destination is there.
    static std::string absence(IMidiService& service);
};
