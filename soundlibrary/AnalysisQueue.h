#pragma once

#include <atomic>
#include <chrono>
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
    // Analyses up to count waiting files, or those it begins within the time given, stopping early
    // when cancel is set, and keeps them in one write; how many it kept. While paused is set, it
    // waits before its next file (a search that should have the processor to itself).
    std::size_t drain(std::size_t count, const std::atomic<bool>& cancel,
                      std::chrono::milliseconds within = std::chrono::milliseconds::max(),
                      const std::atomic<bool>* paused = nullptr);
    // How many files wait.
    std::uint64_t waiting() const;
    const std::string& failure() const { return m_failure; }

private:
    LibraryDatabase& m_database;
    std::string m_failure;
};

} // namespace soundlibrary
