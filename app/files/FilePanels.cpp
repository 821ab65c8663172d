#include "app/files/FilePanels.h"

#include "app/common/IDialogs.h"

#include <QDir>
#include <QFile>

FilePanels::FilePanels(IDialogs& dialogs, Settings& settings)
    : m_dialogs(dialogs)
    , m_settings(settings)
{
}

std::string FilePanels::open(Settings::Folder purpose, const std::vector<std::string>& fileTypes,
                             const std::string& title)
{
    return remember(purpose, m_dialogs.runOpenPanel(fileTypes, folder(purpose), title));
}

std::string FilePanels::save(const std::vector<std::string>& fileTypes, const std::string& suggestedName)
{
    return m_dialogs.runSavePanel(fileTypes, folder(Settings::Folder::Save) + "/" + suggestedName);
}

void FilePanels::saved(const std::string& path)
{
    remember(Settings::Folder::Save, path);
}

std::string FilePanels::folder(Settings::Folder purpose) const
{
    // Given no folder, the toolkit's panel starts where it was last, failed save or not.
    const QString remembered = m_settings.folder(purpose);
    return QFile::encodeName(remembered.isEmpty() ? QDir::homePath() : remembered).toStdString();
}

std::string FilePanels::remember(Settings::Folder purpose, const std::string& chosen)
{
    if (!chosen.empty())
        m_settings.rememberFile(purpose, QFile::decodeName(QByteArray::fromStdString(chosen)));
    return chosen;
}
