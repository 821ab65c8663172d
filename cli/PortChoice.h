#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What `--port` names: an index as `zylox ports` lists them, or a part of a port's name as listed
// ("USB MIDI", "socket 2"), in any case, that only one port's name holds.
class PortChoice {
public:
    enum class Outcome { Found, NoSuchIndex, NoMatch, SeveralMatch };

    PortChoice(std::vector<std::string> names, const std::string& wanted);

    Outcome outcome() const { return m_outcome; }
    std::size_t index() const { return m_index; }
    // The lines that list the ports the name could mean (all of them when it meant none).
    std::string candidates() const;

private:
    const std::vector<std::string> m_names;
    Outcome m_outcome = Outcome::NoMatch;
    std::size_t m_index = 0;
    std::vector<std::size_t> m_candidates;
};
