#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class IDialogs;
class QAbstractButton;
class QListWidget;
class QWidget;

// The folders the library is made of, in the list zylox shares (zylox library add|remove|list):
// a folder chosen in the folder panel is added with Add Folder…, the one the Folders tab shows
// with Add Shown Folder (found while listening there, added without looking for it again), the
// selected one removed with Remove (or Delete), and Rescan brings the index in step with them all.
class LibraryFolderList : public QObject {
    Q_OBJECT
public:
    // listPath: the list's file; shownFolder tells which folder Add Shown Folder adds; dialogs shows
    // the folder panel and stays the caller's.
    LibraryFolderList(std::string listPath, std::function<QString()> shownFolder, IDialogs& dialogs, QObject* parent);

    // The list and its buttons, laid out; the caller's widget owns them from then on.
    QWidget* controls() const { return m_controls; }
    // Reads the list again, for a change zylox made meanwhile; changed() tells when it differs.
    void reload();
    const std::vector<std::string>& folders() const { return m_folders; }

signals:
    void changed(const std::vector<std::string>& folders);
    void rescan();
    void status(const QString& text);

protected:
    // Delete in the list removes the selected folder, as Remove does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose();
    void add(const std::string& folder);
    void remove();
    void show(const std::vector<std::string>& folders);

    std::string m_listPath;
    std::function<QString()> m_shownFolder;
    IDialogs& m_dialogs;
    std::vector<std::string> m_folders;
    QWidget* m_controls;
    QListWidget* m_list;
    QAbstractButton* m_remove;
};
