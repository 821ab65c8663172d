#include "soundlibrary/AnalysisQueue.h"

#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibrarySchema.h"
#include "soundlibrary/SoundAnalysis.h"
#include "soundlibrary/SqlStatement.h"

#include <sqlite3.h>

#include <thread>

namespace soundlibrary {

namespace {

constexpr const char* kStore = R"sql(
UPDATE files SET kind = ?, seconds = ?, rate = ?, channels = ?, lead_in = ?, peak = ?, loudness = ?,
  loudest_short_term = ?, centroid = ?, analysis = ?
WHERE path = ? AND size = ? AND mtime = ? AND (kind = 0 OR analysis < ?)
)sql";

// How often a paused drain looks whether it may go on.
constexpr auto kPausedLooks = std::chrono::milliseconds(2);

} // namespace

AnalysisQueue::AnalysisQueue(LibraryDatabase& database)
    : m_database(database)
{
}

std::vector<AnalysisQueue::Job> AnalysisQueue::next(std::size_t count)
{
    std::vector<Job> jobs;
    if (!m_database.isOpen())
        return jobs;
    SqlStatement waiting(m_database.connection(),
                         std::string("SELECT path, size, mtime FROM files WHERE ") + kAwaitsAnalysis + " LIMIT ?");
    waiting.bind(0, std::int64_t{SoundAnalysis::kVersion});
    waiting.bind(1, static_cast<std::int64_t>(count));
    while (waiting.step())
        jobs.push_back({waiting.text(0), waiting.integer(1), waiting.integer(2)});
    return jobs;
}

bool AnalysisQueue::store(const Job& job, const SoundAnalysis& analysis)
{
    if (!m_database.isOpen()) {
        m_failure = m_database.opening().systemText;
        return false;
    }
    SqlStatement store(m_database.connection(), kStore);
    store.bind(0, static_cast<std::int64_t>(analysis.kind));
    if (analysis.kind == LibraryEntry::Kind::Sound) {
        store.bind(1, analysis.seconds);
        store.bind(2, analysis.rate);
        store.bind(3, std::int64_t{analysis.channels});
        store.bind(4, analysis.leadIn);
        store.bind(5, analysis.peak);
        store.bind(6, analysis.loudness);
        store.bind(7, analysis.loudestShortTerm);
        store.bind(8, analysis.centroid);
    }
    store.bind(9, std::int64_t{SoundAnalysis::kVersion});
    store.bindBytes(10, job.path);
    store.bind(11, job.size);
    store.bind(12, job.mtime);
    store.bind(13, std::int64_t{SoundAnalysis::kVersion});
    if (store.run())
        return true;
    m_failure = sqlite3_errmsg(m_database.connection());
    return false;
}

std::size_t AnalysisQueue::drain(std::size_t count, const std::atomic<bool>& cancel, std::chrono::milliseconds within,
                                 const std::atomic<bool>* paused)
{
    const auto begun = std::chrono::steady_clock::now();
    std::vector<std::pair<Job, SoundAnalysis>> found;
    for (const Job& job : next(count)) {
        while (paused != nullptr && *paused && !cancel)
            std::this_thread::sleep_for(kPausedLooks);
        if (cancel)
            break;
        found.emplace_back(job, SoundAnalysis::of(job.path));
        // In the unit given: the largest of milliseconds overflows in nanoseconds.
        if (std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - begun) >= within)
            break;
    }
    // One write for them all: each write makes every reader of the index read it anew.
    if (found.empty())
        return 0;
    if (!m_database.execute("BEGIN IMMEDIATE")) {
        m_failure = sqlite3_errmsg(m_database.connection());
        return 0;
    }
    for (const auto& [job, analysis] : found) {
        if (!store(job, analysis)) {
            m_database.execute("ROLLBACK");
            return 0;
        }
    }
    if (!m_database.execute("COMMIT")) {
        m_failure = sqlite3_errmsg(m_database.connection());
        m_database.execute("ROLLBACK");
        return 0;
    }
    return found.size();
}

std::uint64_t AnalysisQueue::waiting() const
{
    if (!m_database.isOpen())
        return 0;
    SqlStatement waiting(m_database.connection(), std::string("SELECT count(*) FROM files WHERE ") + kAwaitsAnalysis);
    waiting.bind(0, std::int64_t{SoundAnalysis::kVersion});
    return waiting.step() ? static_cast<std::uint64_t>(waiting.integer(0)) : 0;
}

} // namespace soundlibrary
