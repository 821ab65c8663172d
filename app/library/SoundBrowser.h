#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class BrowserPlayer;
class FavouriteFolders;
class FolderListing;
class IDialogs;
class LibraryPanel;
class NameFilter;
class Settings;
class SoundFileModel;
class ISoundOutput;
class QAction;
class QCheckBox;
class QDockWidget;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QTabWidget;
class QTableView;
class QTreeView;
class QWidget;

// The sound browser, a panel beside the banks that the View menu shows and hides (remembered), in
// two tabs: Folders, the folder tree with the favourite folders, and the chosen folder's sound files
// with their length, rate and channels, read in the background and kept up with the folder; and
// Library, the search over every sound of the library's folders (LibraryPanel). Typing in the list finds
// a file by name; Ctrl+F goes to the filter over the names. Space (or a file's play control) plays
// the file as it is or as the device will sound it, as the user chose; Enter imports it into the
// selected slot through the sound panel, and several files fill the slots from there on as a drop
// of them does; a file dragged onto a slot row goes in there.
class SoundBrowser : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's and must outlive the browser; its View menu goes before the
    // menu of menuBefore. dialogs: the library's folder panel. slotSeconds: the selected slot's
    // length, for the library's "Fits the selected slot"; none without a slot of sound selected.
    SoundBrowser(QMainWindow& window, QAction* menuBefore, Settings& settings, IDialogs& dialogs, ISoundOutput& output,
                 std::function<std::optional<double>()> slotSeconds = {});
    ~SoundBrowser() override;

    // The folder listed; empty before the first.
    const QString& folder() const { return m_folder; }
    // The View menu the browser made, where the window's other panels are shown and hidden too.
    QMenu& viewMenu() const { return *m_viewMenu; }
    // The files selected in the list of the tab on show, in its order; none while the browser is hidden.
    std::vector<std::string> selectedFiles() const;

signals:
    // What the browser did or why it could not, for the status line.
    void status(const QString& text);
    // Enter or a double click on files of the list: they go into the selected slot and on.
    void filesChosen(const std::vector<std::string>& paths);

protected:
    // Space and Enter in the file list are the browser's, not the window's shortcuts'; typing there
    // finds by name.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(QMainWindow& window, QAction* menuBefore);
    void makeTree();
    void makeFileList();
    QWidget* makeFilesPart();
    // Each column but the name as wide as the widest it can show, so that no row is measured.
    void sizeColumns();
    // The View menu's item, the panel's place and width as they were left.
    void makeViewMenu(QMainWindow& window, QAction* menuBefore);
    void connectParts();
    void goTo(const QString& folder);
    void goToTyped();
    void listFolder();
    void play(int row);
    void playCurrent();
    void importChosen();
    std::vector<std::string> chosenFiles() const;
    // The model's row of an index of the list, which may show only the files the filter lets through.
    int rowOf(const QModelIndex& shown) const;
    bool listKey(QEvent& event);

    Settings& m_settings;
    QString m_folder;
    // Set while the tree is moved to a folder chosen elsewhere, so that it does not list it again.
    bool m_followingTree = false;

    QDockWidget* m_dock = nullptr;
    QMenu* m_viewMenu = nullptr;
    QTabWidget* m_tabs = nullptr;
    QLineEdit* m_location = nullptr;
    QCheckBox* m_asDevice = nullptr;
    QTreeView* m_tree = nullptr;
    QTableView* m_files = nullptr;
    QLabel* m_listingText = nullptr;
    QFileSystemModel* m_folders = nullptr;
    // The folder whose files the list holds or is reading; none while the panel has not been shown.
    FolderListing* m_listing = nullptr;
    SoundFileModel& m_model;
    NameFilter* m_filter = nullptr;
    BrowserPlayer* m_player = nullptr;
    FavouriteFolders* m_favourites = nullptr;
    LibraryPanel* m_library = nullptr;
};
