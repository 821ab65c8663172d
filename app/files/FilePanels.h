#pragma once

#include "app/settings/Settings.h"

#include <QString>

#include <string>
#include <vector>

class IDialogs;

// The editor's file panels, each opening in the folder last used for its purpose (the home folder
// before any), never where the toolkit last was: that may be a folder a save just failed in.
class FilePanels {
public:
    // Both stay the caller's and must outlive the panels.
    FilePanels(IDialogs& dialogs, Settings& settings);

    // A file to read for the purpose (Open or Import), in a panel titled by what it is for; empty
    // when the user cancelled. The folder of the file chosen is where the next panel starts.
    std::string open(Settings::Folder purpose, const std::vector<std::string>& fileTypes, const QString& title);
    // A file to save to, proposing suggestedName in the folder last saved to; empty when cancelled.
    // Its folder is remembered only once saved says the file was written there.
    std::string save(const std::vector<std::string>& fileTypes, const QString& suggestedName);
    // The file chosen with save was written.
    void saved(const std::string& path);

private:
    QString folder(Settings::Folder purpose) const;
    std::string remember(Settings::Folder purpose, const std::string& chosen);

    IDialogs& m_dialogs;
    Settings& m_settings;
};
