#pragma once

#include "app/library/PassHandover.h"
#include "soundlibrary/LibraryCounts.h"
#include "soundlibrary/LibraryEntry.h"
#include "soundlibrary/LibraryOpening.h"
#include "soundlibrary/ScanProgress.h"
#include "soundlibrary/SearchQuery.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class LibraryThread;

// The sound library's index as the window uses it, all of it off the window's thread: opened
// (and set aside and made anew when damaged, locked or of another version) and scanned on one
// thread, analysed on a second of low priority, searched on a third, each with its own connection.
// What they find comes back as signals, handed over a few milliseconds of each pass at a time.
// Destroying it stops every thread at its next step.
class LibraryIndex : public QObject {
    Q_OBJECT
public:
    // Rows handed over at once: a few milliseconds of the list's work at most.
    static constexpr std::size_t kChunkRows = 100;

    // indexPath: the index file (soundlibrary::libraryDatabasePath()).
    LibraryIndex(const std::string& indexPath, QObject* parent);
    ~LibraryIndex() override;

    // Brings the index in step with the library's folders, all of them; a scan running is
    // stopped first, as this one covers it.
    void scan(const std::vector<std::string>& folders);
    // Only one folder, as a watcher reported it changed.
    void scanFolder(const std::string& folder);
    // Searches; a search still running is abandoned, and nothing of it arrives. Its rows arrive
    // as found() with this search's number.
    unsigned search(const soundlibrary::SearchQuery& query);

signals:
    // How the index was opened; the first signal.
    void opened(const soundlibrary::LibraryOpening& opening);
    // How far a scan has come: after each batch, and at its end (finished or failure).
    void scanned(const soundlibrary::ScanProgress& progress);
    void counted(const soundlibrary::LibraryCounts& counts);
    // Files of the index changed (a scan ended, analysis found what more files are): the rows
    // shown may have changed too.
    void indexChanged();
    // Rows of the search numbered search, a chunk at a time; first clears what was shown, last
    // ends them (both at once for one chunk, empty when nothing was found).
    void found(unsigned search, const std::vector<soundlibrary::LibraryEntry>& rows, bool first, bool last);
    // SQLite's words when a search failed.
    void searchFailed(const QString& systemText);

private:
    void startReaders();
    void analyse();
    // After a scan or analysis: the counts, and that the rows may have changed.
    void tellChanged(soundlibrary::LibraryDatabase& database);

    std::string m_indexPath;
    PassHandover m_handover;
    unsigned m_latestSearch = 0;
    std::optional<soundlibrary::SearchQuery> m_waitingSearch;
    std::vector<std::string> m_folders;
    std::atomic<bool> m_analysisQueued{false};
    std::atomic<bool> m_searchRuns{false}; // analysis waits meanwhile
    // Last, so that they end before what their jobs use.
    std::unique_ptr<LibraryThread> m_scanning;
    std::unique_ptr<LibraryThread> m_analysing;
    std::unique_ptr<LibraryThread> m_searching;
};
