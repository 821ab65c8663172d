#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

class QFileSystemWatcher;
class QTimer;

// Follows the library while the editor runs: the library's folders themselves and the folders of
// the files the list shows, a few hundred at most (the system's watches are few, and a library may
// hold thousands of folders; the rest is brought in step by the scan at each start and by Rescan).
// Changes come in runs while files are copied: each changed folder is reported once the run has
// settled.
class LibraryWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int kMostFolders = 256;

    explicit LibraryWatch(QObject* parent);

    // The library's folders, watched first; and the folders of the rows shown, as many as fit.
    void watch(const QStringList& libraryFolders, const QStringList& shownFolders);

signals:
    // A watched folder whose entries changed (files added, removed, renamed or written).
    void changed(const QString& folder);

private:
    QFileSystemWatcher* m_watcher;
    QTimer* m_settle;
    QSet<QString> m_changed;
};
