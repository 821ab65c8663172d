#include "cli/PortChoice.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace {

std::string folded(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

} // namespace

PortChoice::PortChoice(std::vector<std::string> names, const std::string& wanted)
    : m_names(std::move(names))
{
    if (!wanted.empty() && std::all_of(wanted.begin(), wanted.end(), [](unsigned char c) { return std::isdigit(c); })) {
        m_index = wanted.size() < 6 ? std::stoul(wanted) : m_names.size();
        m_outcome = m_index < m_names.size() ? Outcome::Found : Outcome::NoSuchIndex;
        return;
    }
    const std::string part = folded(wanted);
    for (std::size_t index = 0; index < m_names.size(); ++index)
        if (!part.empty() && folded(m_names[index]).find(part) != std::string::npos)
            m_candidates.push_back(index);
    if (m_candidates.size() == 1) {
        m_index = m_candidates.front();
        m_outcome = Outcome::Found;
        return;
    }
    m_outcome = m_candidates.empty() ? Outcome::NoMatch : Outcome::SeveralMatch;
    if (m_candidates.empty())
        for (std::size_t index = 0; index < m_names.size(); ++index)
            m_candidates.push_back(index);
}

std::string PortChoice::candidates() const
{
    if (m_candidates.empty())
        return "no MIDI output: plug in your interface\n";
    std::string lines;
    for (const std::size_t index : m_candidates)
        lines += std::to_string(index) + ": " + m_names[index] + "\n";
    return lines;
}
