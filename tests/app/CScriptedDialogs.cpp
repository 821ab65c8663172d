#include "CScriptedDialogs.h"

IDialogs::AlertReply CScriptedDialogs::runAlert(const Alert& alert)
{
    m_alerts.push_back(alert);
    m_events.push_back("alert:" + alert.title);
    if (m_alertReplies.empty())
        return AlertReply::Default;
    const AlertReply reply = m_alertReplies.front();
    m_alertReplies.pop_front();
    return reply;
}

std::string CScriptedDialogs::runOpenPanel(const std::vector<std::string>& fileTypes)
{
    m_panels.push_back({false, fileTypes});
    return nextPath();
}

std::string CScriptedDialogs::runSavePanel(const std::vector<std::string>& fileTypes)
{
    m_panels.push_back({true, fileTypes});
    return nextPath();
}

void CScriptedDialogs::beep()
{
    ++m_beeps;
    m_events.push_back("beep");
}

std::string CScriptedDialogs::nextPath()
{
    if (m_paths.empty())
        return {};
    std::string path = m_paths.front();
    m_paths.pop_front();
    return path;
}
