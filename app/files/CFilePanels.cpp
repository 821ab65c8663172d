#include "app/files/CFilePanels.h"

#include "app/common/IDialogs.h"

#include <QDir>
#include <QFile>

CFilePanels::CFilePanels(IDialogs& dialogs, CSettings& settings)
    : m_dialogs(dialogs)
    , m_settings(settings)
{
}

std::string CFilePanels::open(CSettings::Folder purpose, const std::vector<std::string>& fileTypes,
                              const std::string& title)
{
    return remember(purpose, m_dialogs.runOpenPanel(fileTypes, folder(purpose), title));
}

std::string CFilePanels::save(const std::vector<std::string>& fileTypes, const std::string& suggestedName)
{
    return m_dialogs.runSavePanel(fileTypes, folder(CSettings::Folder::Save) + "/" + suggestedName);
}

void CFilePanels::saved(const std::string& path)
{
    remember(CSettings::Folder::Save, path);
}

std::string CFilePanels::folder(CSettings::Folder purpose) const
{
    // Given no folder, the toolkit's panel starts where it was last, failed save or not.
    const QString remembered = m_settings.folder(purpose);
    return QFile::encodeName(remembered.isEmpty() ? QDir::homePath() : remembered).toStdString();
}

std::string CFilePanels::remember(CSettings::Folder purpose, const std::string& chosen)
{
    if (!chosen.empty())
        m_settings.rememberFile(purpose, QFile::decodeName(QByteArray::fromStdString(chosen)));
    return chosen;
}
