#pragma once

#include <string>

// What the MIDI service tells about a destination or source; a part it does not know is empty.
struct MidiEndpointNames {
    std::string manufacturer;
    std::string model;
    std::string display;
    // Where the kernel says the endpoint's USB interface is plugged, "usb-0000:00:14.0-2"; empty
    // for an endpoint that is not on a USB sound card (virtual ports, serial interfaces).
    std::string location = {};
};
