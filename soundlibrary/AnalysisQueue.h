#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace soundlibrary {

class LibraryDatabase;
struct SoundAnalysis;

// The files of the index that analysis has yet to look at, drained at the caller's pace (the window
// runs it on a thread of low priority, a few files at a time). A file is analysed without the index
// being held, and what was found is kept only for the file as it was then: one written meanwhile
// (another size or time after a rescan) waits for its own analysis.
class AnalysisQueue {
public:
    struct Job {
        std::string path; // bytes
        std::int64_t size = 0;
        std::int64_t mtime = 0;
    };

    explicit AnalysisQueue(LibraryDatabase& database);

    // At most count files waiting for analysis.
    std::vector<Job> next(std::size_t count);
    // Keeps what analysis found; false when the index could not be written (failure() says why).
    // A file changed or removed meanwhile is left as it is, and that is no failure.
    bool store(const Job& job, const SoundAnalysis& analysis);
    // Analyses and keeps up to count waiting files, stopping early when cancel is set; how many it
    // analysed.
    std::size_t drain(std::size_t count, const std::atomic<bool>& cancel);
    // How many files wait.
    std::uint64_t waiting() const;
    const std::string& failure() const { return m_failure; }

private:
    LibraryDatabase& m_database;
    std::string m_failure;
};

} // namespace soundlibrary
