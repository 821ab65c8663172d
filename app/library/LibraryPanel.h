#pragma once

#include "soundlibrary/LibraryEntry.h"
#include "soundlibrary/SearchQuery.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class BrowserPlayer;
class IDialogs;
class LibraryFilters;
class LibraryFolderList;
class LibraryIndex;
class LibraryResultModel;
class LibraryWatch;
class Settings;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;
class QWidget;

namespace soundlibrary {
struct LibraryCounts;
struct ScanProgress;
} // namespace soundlibrary

// The sound browser's Library tab: every sound of the library's folders, found as the user types
// (each word the start of a word of a name or folder: "clap br" finds "Claps/bright clap 03.wav"),
// narrowed by the filters and shown with what analysis found of each. Ctrl+Shift+F goes to its
// search field from anywhere in the window; Down or Enter there goes on to the list, where Space
// plays a file as the folder view does, Enter imports the chosen files from the selected slot on,
// and a file dragged onto a slot row goes in there. The index is opened, scanned, analysed and
// searched on threads of its own (LibraryIndex), first when the tab is shown or at the start of
// an editor whose library has folders.
class LibraryPanel : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's. dialogs: the folder panel of Add Folder…; shownFolder: the
    // folder the Folders tab shows, which Add Shown Folder adds; slotSeconds: the selected slot's
    // length; showTab brings the tab into view.
    LibraryPanel(QWidget& window, Settings& settings, IDialogs& dialogs, BrowserPlayer& player,
                 std::function<QString()> shownFolder, std::function<std::optional<double>()> slotSeconds,
                 std::function<void()> showTab, QObject* parent);
    // Stops the library's threads at their next step.
    ~LibraryPanel() override;

    // The tab's contents; the caller's tab widget owns it from then on.
    QWidget* tab() const { return m_tab; }
    // Opens the library at the editor's start when it has folders, so that they are scanned.
    void startIfUsed();
    // The files selected in the list, in its order.
    std::vector<std::string> selectedFiles() const;

signals:
    void status(const QString& text);
    // Enter on files of the list: they go into the selected slot and on.
    void filesChosen(const std::vector<std::string>& paths);

protected:
    // Space and Enter in the list are the library's; Down and Enter in the field go to the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(QWidget& window);
    void makeList();
    void connectParts();
    void start();
    void search();
    // The library's folders, and the folders of the rows shown.
    void watch();
    // The shown search again, once the index changed: the rows keep their place where they can.
    void refresh();
    void take(unsigned search, const std::vector<soundlibrary::LibraryEntry>& rows, bool first, bool last);
    void showScan(const soundlibrary::ScanProgress& progress);
    void showCounts(const soundlibrary::LibraryCounts& counts);
    // The selected slot may have changed while the user was away from the tab: what fits it is
    // found again when the user comes back to it.
    void followSlot();
    void goToField();
    void goToList();
    void play(int row);
    void importChosen();
    bool listKey(QEvent& event);

    BrowserPlayer& m_player;
    std::function<void()> m_showTab;
    std::unique_ptr<LibraryIndex> m_index;
    LibraryResultModel* m_model;
    LibraryFilters* m_filters;
    LibraryFolderList* m_folders;
    LibraryWatch* m_watch;
    QTimer* m_watchLater;
    QElapsedTimer m_sinceScanShown;
    QWidget* m_tab = nullptr;
    QLineEdit* m_field = nullptr;
    QTableView* m_list = nullptr;
    QLabel* m_scanLine = nullptr;
    QLabel* m_countsLine = nullptr;

    soundlibrary::SearchQuery m_query;
    unsigned m_search = 0;
    bool m_refreshing = false;
    bool m_searchShown = true;
    bool m_refreshDue = false;
    std::vector<soundlibrary::LibraryEntry> m_refreshRows;
};
