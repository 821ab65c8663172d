#include "app/files/CFilePanels.h"

#include "app/common/IDialogs.h"

#include <QFile>

CFilePanels::CFilePanels(IDialogs& dialogs, CSettings& settings) : m_dialogs(dialogs), m_settings(settings) {}

std::string CFilePanels::open(CSettings::Folder purpose, const std::vector<std::string>& fileTypes)
{
    return remember(purpose, m_dialogs.runOpenPanel(fileTypes, folder(purpose)));
}

std::string CFilePanels::save(const std::vector<std::string>& fileTypes, const std::string& suggestedName)
{
    const std::string folder = this->folder(CSettings::Folder::Save);
    const std::string suggested = folder.empty() ? suggestedName : folder + "/" + suggestedName;
    return remember(CSettings::Folder::Save, m_dialogs.runSavePanel(fileTypes, suggested));
}

std::string CFilePanels::folder(CSettings::Folder purpose) const
{
    return QFile::encodeName(m_settings.folder(purpose)).toStdString();
}

std::string CFilePanels::remember(CSettings::Folder purpose, const std::string& chosen)
{
    if (!chosen.empty())
        m_settings.rememberFile(purpose, QFile::decodeName(QByteArray::fromStdString(chosen)));
    return chosen;
}
