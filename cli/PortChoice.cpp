#include "cli/PortChoice.h"

#include <algorithm>
#include <cctype>

namespace {

std::string folded(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

} // namespace

PortChoice::PortChoice(const std::vector<MidiPortIdentity>& ports, const std::string& wanted) : m_ports(ports)
{
    if (!wanted.empty() && std::all_of(wanted.begin(), wanted.end(), [](unsigned char c) { return std::isdigit(c); })) {
        m_index = wanted.size() < 6 ? std::stoul(wanted) : ports.size();
        m_outcome = m_index < ports.size() ? Outcome::Found : Outcome::NoSuchIndex;
        return;
    }
    const std::string part = folded(wanted);
    for (std::size_t index = 0; index < ports.size(); ++index)
        if (!part.empty() && folded(ports[index].displayName()).find(part) != std::string::npos)
            m_candidates.push_back(index);
    if (m_candidates.size() == 1) {
        m_index = m_candidates.front();
        m_outcome = Outcome::Found;
        return;
    }
    m_outcome = m_candidates.empty() ? Outcome::NoMatch : Outcome::SeveralMatch;
    if (m_candidates.empty())
        for (std::size_t index = 0; index < ports.size(); ++index)
            m_candidates.push_back(index);
}

std::string PortChoice::candidates() const
{
    if (m_candidates.empty())
        return "no MIDI output: plug in your interface\n";
    std::string lines;
    for (const std::size_t index : m_candidates)
        lines += std::to_string(index) + ": " + m_ports[index].displayName() + "\n";
    return lines;
}
