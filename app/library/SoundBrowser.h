#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class BrowserPlayer;
class FavouriteFolders;
class Settings;
class SoundFileModel;
class SoundListing;
class ISoundOutput;
class QAction;
class QDockWidget;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QMainWindow;
class QTreeView;

// The sound browser, a panel beside the banks that the View menu shows and hides (remembered): the
// folder tree with the favourite folders, and the chosen folder's sound files with their length,
// rate and channels, read in the background. Space (or a file's play control) plays the file as
// it is; Enter imports it into the selected slot through the sound panel, and several files fill
// the slots from there on as a drop of them does; a file dragged onto a slot row goes in there.
class SoundBrowser : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's and must outlive the browser; its View menu goes before the
    // menu of menuBefore.
    SoundBrowser(QMainWindow& window, QAction* menuBefore, Settings& settings, ISoundOutput& output);
    ~SoundBrowser() override;

    // The folder listed; empty before the first.
    const QString& folder() const { return m_folder; }

signals:
    // What the browser did or why it could not, for the status line.
    void status(const QString& text);
    // Enter or a double click on files of the list: they go into the selected slot and on.
    void filesChosen(const std::vector<std::string>& paths);

protected:
    // Space and Enter in the file list are the browser's, not the window's shortcuts'.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(QMainWindow& window, QAction* menuBefore);
    void makeTree();
    void makeFileList();
    // The View menu's item, the panel's place and width as they were left.
    void makeViewMenu(QMainWindow& window, QAction* menuBefore);
    void connectParts();
    void goTo(const QString& folder);
    void goToTyped();
    void listFolder();
    void showListing(bool finished);
    void playCurrent();
    void importChosen();
    std::vector<std::string> chosenFiles() const;

    Settings& m_settings;
    QString m_folder;
    // The folder whose files the list holds or is reading; empty while the panel has not been shown.
    QString m_listed;
    // Set while the tree is moved to a folder chosen elsewhere, so that it does not list it again.
    bool m_followingTree = false;

    QDockWidget* m_dock = nullptr;
    QLineEdit* m_location = nullptr;
    QTreeView* m_tree = nullptr;
    QTreeView* m_files = nullptr;
    QLabel* m_listingText = nullptr;
    QFileSystemModel* m_folders = nullptr;
    SoundFileModel* m_model = nullptr;
    SoundListing* m_listing = nullptr;
    BrowserPlayer* m_player = nullptr;
    FavouriteFolders* m_favourites = nullptr;
};
