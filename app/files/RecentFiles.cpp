#include "app/files/RecentFiles.h"

#include "app/settings/Settings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString kKey = QStringLiteral("files/recent");

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

QStringList RecentFiles::files() const
{
    QStringList files = m_settings.value(kKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kLimit);
}

void RecentFiles::add(const QString& path)
{
    // One file reached by two spellings of its path is still one entry.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list);
}

void RecentFiles::chosen(const QString& path)
{
    if (QFileInfo(path).isFile())
        return emit openRequested(path);
    QStringList list = files();
    list.removeAll(path);
    store(list);
    emit status(tr("Not opened: %1 is no longer there; it has left Open Recent").arg(QDir::toNativeSeparators(path)));
}

void RecentFiles::store(const QStringList& list)
{
    m_settings.setValue(kKey, list.mid(0, kLimit));
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
    const QStringList list = files();
    int number = 0;
    for (const QString& path : list) {
        // The tooltip tells apart two files of one name; an ampersand in a name is no mnemonic.
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(++number).arg(name), m_menu);
        item->setToolTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { chosen(path); });
        m_menu->insertAction(m_separator, item);
    }
    m_clear->setEnabled(!list.isEmpty());
    m_menu->menuAction()->setEnabled(!list.isEmpty());
}
