#pragma once

#include "app/settings/CSettings.h"

#include <string>
#include <vector>

class IDialogs;

// The editor's file panels, each opening in the folder last used for its purpose and remembering
// the folder of the file the user chose there.
class CFilePanels {
public:
    // Both stay the caller's and must outlive the panels.
    CFilePanels(IDialogs& dialogs, CSettings& settings);

    // A file to read for the purpose (Open or Import); empty when the user cancelled.
    std::string open(CSettings::Folder purpose, const std::vector<std::string>& fileTypes);
    // A file to save to, proposing suggestedName in the folder last saved to; empty when cancelled.
    std::string save(const std::vector<std::string>& fileTypes, const std::string& suggestedName);

private:
    std::string folder(CSettings::Folder purpose) const;
    std::string remember(CSettings::Folder purpose, const std::string& chosen);

    IDialogs& m_dialogs;
    CSettings& m_settings;
};
