#include "app/files/RecentFiles.h"

#include "app/settings/Settings.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

const QString kKey = QStringLiteral("files/recent");

QString shown(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

RecentFiles::RecentFiles(Settings& settings, QMenu& fileMenu, QAction* before, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_menu(new QMenu(tr("Open &Recent"), &fileMenu))
{
    m_menu->setObjectName(QStringLiteral("menu_openRecent"));
    m_menu->setToolTipsVisible(true);
    fileMenu.insertMenu(before, m_menu);
    m_separator = m_menu->addSeparator();
    m_clear = m_menu->addAction(tr("&Clear"));
    m_clear->setObjectName(QStringLiteral("menu_clearRecent"));
    connect(m_clear, &QAction::triggered, this, [this] { store({}); });
    rebuild();
}

std::vector<std::string> RecentFiles::files() const
{
    std::vector<std::string> files = m_settings.paths(kKey);
    files.resize(std::min<std::size_t>(files.size(), kLimit));
    return files;
}

void RecentFiles::add(const std::string& path)
{
    // One file reached by two spellings of its path is still one entry. Its bytes stay as they
    // are: a name that is no UTF-8 must open again.
    std::error_code failure;
    std::filesystem::path absolute = std::filesystem::absolute(path, failure).lexically_normal();
    std::vector<std::string> list = files();
    const std::string entry = failure ? path : absolute.string();
    std::erase(list, entry);
    list.insert(list.begin(), entry);
    store(std::move(list));
}

void RecentFiles::chosen(const std::string& path)
{
    std::error_code failure;
    if (std::filesystem::is_regular_file(path, failure))
        return emit openRequested(path);
    std::vector<std::string> list = files();
    std::erase(list, path);
    store(std::move(list));
    emit status(
        tr("Not opened: %1 is no longer there; it has left Open Recent").arg(QDir::toNativeSeparators(shown(path))));
}

void RecentFiles::store(std::vector<std::string> list)
{
    list.resize(std::min<std::size_t>(list.size(), kLimit));
    m_settings.setPaths(kKey, list);
    rebuild();
}

void RecentFiles::rebuild()
{
    // An item may be rebuilt away while its own triggered signal runs: it goes once that is over.
    for (QAction* old : m_menu->actions()) {
        if (old == m_separator || old == m_clear)
            continue;
        m_menu->removeAction(old);
        old->deleteLater();
    }
    const std::vector<std::string> list = files();
    int number = 0;
    for (const std::string& path : list) {
        // The tooltip tells apart two files of one name; an ampersand in a name is no mnemonic.
        // A name that is no UTF-8 shows U+FFFD where it cannot be shown, as the folder view does.
        QString name = shown(std::filesystem::path(path).filename().string());
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(++number).arg(name), m_menu);
        QString tip = QDir::toNativeSeparators(shown(path));
        if (tip.toUtf8().toStdString() != path)
            tip += QLatin1Char('\n')
                   + QCoreApplication::translate("SoundFileModel",
                                                 "The name is not UTF-8: \uFFFD stands for what cannot be shown");
        item->setToolTip(tip);
        connect(item, &QAction::triggered, this, [this, path] { chosen(path); });
        m_menu->insertAction(m_separator, item);
    }
    m_clear->setEnabled(!list.empty());
    m_menu->menuAction()->setEnabled(!list.empty());
}
