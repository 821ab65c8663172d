#include "app/files/FilePanels.h"

#include "app/common/IDialogs.h"

#include <QDir>
#include <QFile>

FilePanels::FilePanels(IDialogs& dialogs, Settings& settings)
    : m_dialogs(dialogs)
    , m_settings(settings)
{
}

std::string FilePanels::open(Settings::Folder purpose, const std::vector<std::string>& fileTypes, const QString& title)
{
    return remember(purpose, m_dialogs.runOpenPanel(fileTypes, folder(purpose), title));
}

std::string FilePanels::save(const std::vector<std::string>& fileTypes, const QString& suggestedName)
{
    return m_dialogs.runSavePanel(fileTypes, folder(Settings::Folder::Save) + QLatin1Char('/') + suggestedName);
}

void FilePanels::saved(const std::string& path)
{
    remember(Settings::Folder::Save, path);
}

QString FilePanels::folder(Settings::Folder purpose) const
{
    // Given no folder, the toolkit's panel starts where it was last, failed save or not.
    const QString remembered = m_settings.folder(purpose);
    return remembered.isEmpty() ? QDir::homePath() : remembered;
}

std::string FilePanels::remember(Settings::Folder purpose, const std::string& chosen)
{
    if (!chosen.empty())
        m_settings.rememberFile(purpose, QFile::decodeName(QByteArray::fromStdString(chosen)));
    return chosen;
}
