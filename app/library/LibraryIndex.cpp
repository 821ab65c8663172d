#include "app/library/LibraryIndex.h"

#include "app/library/LibraryThread.h"
#include "soundlibrary/AnalysisQueue.h"
#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryScan.h"
#include "soundlibrary/LibrarySearch.h"

#include <chrono>

using namespace soundlibrary;

namespace {

// What analysis finds is written, and the window told, every two seconds: each write makes the
// search's connection drop its cache and read the index anew, which took a search over a large part of
// 100,000 files past 50 ms when analysis wrote after every few files. At most this many files a write.
constexpr auto kAnalysisWrites = std::chrono::milliseconds(2000);
constexpr std::size_t kAnalysedAtOnce = 10'000;

} // namespace

LibraryIndex::LibraryIndex(const std::string& indexPath, QObject* parent)
    : QObject(parent)
    , m_indexPath(indexPath)
{
    // The other threads open the index only once this one has: were it damaged, each would set
    // aside the file another had just made anew.
    m_scanning = std::make_unique<LibraryThread>(m_indexPath, LibraryThread::Priority::Normal,
                                                 LibraryDatabase::kCacheKiB, [this](const LibraryOpening& opening) {
                                                     m_handover.post([this, opening] {
                                                         emit opened(opening);
                                                         startReaders();
                                                     });
                                                 });
}

LibraryIndex::~LibraryIndex()
{
    // Every thread is asked to stop at once, then each is waited for.
    for (LibraryThread* thread : {m_searching.get(), m_analysing.get(), m_scanning.get()})
        if (thread != nullptr)
            thread->abandon();
    m_searching.reset();
    m_analysing.reset();
    m_scanning.reset();
}

void LibraryIndex::startReaders()
{
    m_analysing
        = std::make_unique<LibraryThread>(m_indexPath, LibraryThread::Priority::Low, LibraryDatabase::kCacheKiB);
    m_searching = std::make_unique<LibraryThread>(m_indexPath, LibraryThread::Priority::Normal,
                                                  LibraryDatabase::kSearchCacheKiB);
    if (m_waitingSearch) {
        const SearchQuery query = *m_waitingSearch;
        m_waitingSearch.reset();
        --m_latestSearch;
        search(query);
    }
    // What an earlier run left unanalysed.
    analyse();
}

void LibraryIndex::scan(const std::vector<std::string>& folders)
{
    m_folders = folders;
    m_scanning->abandon();
    m_scanning->post([this, folders](LibraryDatabase& database, const std::atomic<bool>& stop) {
        LibraryScan scan(database, folders);
        const ScanProgress done = scan.run(stop, [this](const ScanProgress& progress) {
            m_handover.post([this, progress] { emit scanned(progress); });
        });
        if (!done.finished)
            m_handover.post([this, done] { emit scanned(done); });
        tellChanged(database);
        m_handover.post([this] { analyse(); });
    });
}

void LibraryIndex::scanFolder(const std::string& folder)
{
    m_scanning->post([this, folder, folders = m_folders](LibraryDatabase& database, const std::atomic<bool>& stop) {
        const ScanProgress done = LibraryScan(database, folders).runFolder(folder, stop);
        if (done.added + done.changed + done.removed == 0 && done.failure.empty())
            return;
        tellChanged(database);
        m_handover.post([this] { analyse(); });
    });
}

unsigned LibraryIndex::search(const SearchQuery& query)
{
    const unsigned number = ++m_latestSearch;
    if (!m_searching) {
        m_waitingSearch = query;
        return number;
    }
    m_searching->abandon();
    m_searching->post([this, number, query](LibraryDatabase& database, const std::atomic<bool>& stop) {
        LibrarySearch search(database);
        m_searchRuns = true;
        const std::vector<LibraryEntry> rows = search.find(query, &stop);
        m_searchRuns = false;
        if (search.abandoned() || stop)
            return;
        if (!search.failure().empty()) {
            m_handover.post([this, failure = QString::fromStdString(search.failure())] { emit searchFailed(failure); });
            return;
        }
        std::size_t from = 0;
        do {
            const std::size_t to = std::min(rows.size(), from + kChunkRows);
            std::vector<LibraryEntry> chunk(rows.begin() + static_cast<std::ptrdiff_t>(from),
                                            rows.begin() + static_cast<std::ptrdiff_t>(to));
            m_handover.post([this, number, chunk = std::move(chunk), first = from == 0, last = to == rows.size()] {
                if (number == m_latestSearch)
                    emit found(number, chunk, first, last);
            });
            from = to;
        } while (from < rows.size());
    });
    return number;
}

void LibraryIndex::analyse()
{
    if (!m_analysing || m_analysisQueued.exchange(true))
        return;
    m_analysing->post([this](LibraryDatabase& database, const std::atomic<bool>& stop) {
        // A scan that ends from here on queues another round.
        m_analysisQueued = false;
        AnalysisQueue queue(database);
        // A search does not share the processor with analysis: a low priority alone still doubled
        // the time from a key to its rows on two cores.
        while (!stop && queue.drain(kAnalysedAtOnce, stop, kAnalysisWrites, &m_searchRuns) > 0)
            tellChanged(database);
    });
}

void LibraryIndex::tellChanged(LibraryDatabase& database)
{
    const LibraryCounts counts = LibraryCounts::of(database);
    m_handover.post([this, counts] {
        emit counted(counts);
        emit indexChanged();
    });
}
