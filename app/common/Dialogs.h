#pragma once

#include "app/common/IDialogs.h"

// The real panels: message boxes, an item dialog, file dialogs and the system beep of the running
// desktop.
class Dialogs : public IDialogs {
public:
    AlertReply runAlert(const Alert& alert) override;
    int runPick(const Pick& pick) override;
    std::string runOpenPanel(const std::vector<std::string>& fileTypes, const QString& folder,
                             const QString& title) override;
    std::string runSavePanel(const std::vector<std::string>& fileTypes, const QString& suggested) override;
    std::string runFolderPanel(const QString& title) override;
    void beep() override;
};
