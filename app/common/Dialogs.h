#pragma once

#include "app/common/IDialogs.h"

// The real panels: message boxes, an item dialog, file dialogs and the system beep of the running
// desktop.
class Dialogs : public IDialogs {
public:
    AlertReply runAlert(const Alert& alert) override;
    int runPick(const Pick& pick) override;
    std::string runOpenPanel(const std::vector<std::string>& fileTypes, const std::string& folder,
                             const std::string& title) override;
    std::string runSavePanel(const std::vector<std::string>& fileTypes, const std::string& suggested) override;
    void beep() override;
};
