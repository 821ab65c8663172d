#pragma once

#include "midiio/MidiPortIdentity.h"

#include <cstddef>
#include <string>
#include <vector>

// What `--port` names: an index as `zylox ports` lists them, or a part of a port's name ("USB
// MIDI"), in any case, that only one port's name holds.
class PortChoice {
public:
    enum class Outcome { Found, NoSuchIndex, NoMatch, SeveralMatch };

    PortChoice(const std::vector<MidiPortIdentity>& ports, const std::string& wanted);

    Outcome outcome() const { return m_outcome; }
    std::size_t index() const { return m_index; }
    // The lines that list the ports the name could mean (all of them when it meant none).
    std::string candidates() const;

private:
    const std::vector<MidiPortIdentity>& m_ports;
    Outcome m_outcome = Outcome::NoMatch;
    std::size_t m_index = 0;
    std::vector<std::size_t> m_candidates;
};
