#pragma once

#include "app/IDialogs.h"

#include <deque>
#include <string>
#include <vector>

// Answers the editor's panels as a test says, and remembers what was shown.
// Unscripted alerts take their default button; unscripted file panels are cancelled.
class CScriptedDialogs : public IDialogs {
public:
    struct Panel {
        bool isSave = false;
        std::vector<std::string> fileTypes;
    };

    void answerNextAlert(AlertReply reply) { m_alertReplies.push_back(reply); }
    void chooseNextFile(const std::string& path) { m_paths.push_back(path); }
    void cancelNextPanel() { m_paths.push_back({}); }

    const std::vector<Alert>& alerts() const { return m_alerts; }
    const std::vector<Panel>& panels() const { return m_panels; }
    int beeps() const { return m_beeps; }
    // What happened, in order: "beep" or "alert:<title>", to check that the beep comes first.
    const std::vector<std::string>& events() const { return m_events; }

    AlertReply runAlert(const Alert& alert) override;
    std::string runOpenPanel(const std::vector<std::string>& fileTypes) override;
    std::string runSavePanel(const std::vector<std::string>& fileTypes) override;
    void beep() override;

private:
    std::string nextPath();

    std::deque<AlertReply> m_alertReplies;
    std::deque<std::string> m_paths;
    std::vector<Alert> m_alerts;
    std::vector<Panel> m_panels;
    std::vector<std::string> m_events;
    int m_beeps = 0;
};
