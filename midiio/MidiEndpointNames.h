#pragma once

#include <string>

// What the MIDI service tells about a destination or source; a part it does not know is empty.
struct MidiEndpointNames {
    std::string manufacturer;
    std::string model;
    std::string display;
};
