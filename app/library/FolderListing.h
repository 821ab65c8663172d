#pragma once

#include "app/library/ListedFile.h"

#include <QObject>
#include <QString>

#include <vector>

class SoundFileModel;
class SoundListing;
class QFileSystemWatcher;
class QTimer;

// The sound files of the folder on show, kept up with the folder: listed in the background into
// the model a chunk at a time, and listed again a moment after the folder changes, so that new
// files appear and removed ones leave within a second, and again while a file in it is still being
// written. Watches that one folder only.
class FolderListing : public QObject {
    Q_OBJECT
public:
    explicit FolderListing(QObject* parent);
    ~FolderListing() override;

    SoundFileModel& model() { return *m_model; }
    // The folder whose files the model holds or is reading; empty when none.
    const QString& folder() const { return m_folder; }

    // Lists the folder anew; an empty one lists nothing and watches nothing.
    void list(const QString& folder);
    // A file of the list found gone: it leaves the list now, and the folder is read again.
    void gone(int row);

signals:
    // For the line under the list: how far the reading is, or what the folder holds.
    void progress(const QString& text);

private:
    void listAgain();
    void takeListed(const std::vector<ListedFile>& files, bool last);
    void tell();
    bool stillBeingWritten() const;

    SoundFileModel* m_model;
    SoundListing* m_listing;
    QFileSystemWatcher* m_watcher;
    QTimer* m_again;
    QString m_folder;
    // While the folder is read again, its files gather here until the last chunk, then merge.
    bool m_merging = false;
    std::vector<ListedFile> m_merged;
};
