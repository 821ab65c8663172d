#include "app/library/LibraryWatch.h"

#include <QFileSystemWatcher>
#include <QTimer>

#include <utility>

namespace {

// A copy of many files changes a folder many times: it is scanned this long after the first
// change of a run, so that a change shows within a second without a scan for every file.
constexpr int kSettleMs = 500;

} // namespace

LibraryWatch::LibraryWatch(QObject* parent)
    : QObject(parent)
    , m_watcher(new QFileSystemWatcher(this))
    , m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString& folder) {
        m_changed.insert(folder);
        if (!m_settle->isActive())
            m_settle->start();
    });
    connect(m_settle, &QTimer::timeout, this, [this] {
        const QSet<QString> settled = std::exchange(m_changed, {});
        for (const QString& folder : settled)
            emit changed(folder);
    });
}

void LibraryWatch::watch(const QStringList& libraryFolders, const QStringList& shownFolders)
{
    QStringList wanted;
    for (const QStringList* folders : {&libraryFolders, &shownFolders})
        for (const QString& folder : *folders)
            if (wanted.size() < kMostFolders && !wanted.contains(folder))
                wanted << folder;
    const QStringList watched = m_watcher->directories();
    QStringList gone;
    for (const QString& folder : watched)
        if (!wanted.contains(folder))
            gone << folder;
    if (!gone.isEmpty())
        m_watcher->removePaths(gone);
    QStringList added;
    for (const QString& folder : wanted)
        if (!watched.contains(folder))
            added << folder;
    if (!added.isEmpty())
        m_watcher->addPaths(added);
}
