// The sound library at the size of a large collection, over real files: a library folder made by
// bench/make_sound_library.py (100,000 sounds in 1,000 folders) is indexed into a fresh index, then
// rescanned unchanged, then analysed; the index's size on disk is measured, and the search is timed
// as a user types towards a few names, with and without the filter "fits S05:1" (0.25 s), as the
// window's list asks (500 rows at most) and as `zylox find` asks (every row).
//
// Usage: library_scale_bench LIBRARY [INDEX_FOLDER [--search-only]]
// The index goes into INDEX_FOLDER (kept), or a scratch folder removed at the end; --search-only times
// the search of the index a run before left there. Run it niced on a
// quiet machine: the wall time waits for the processor too, so the processor time is given beside it.
#include "soundlibrary/AnalysisQueue.h"
#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryScan.h"
#include "soundlibrary/LibrarySearch.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace soundlibrary;

constexpr std::size_t kListRows = 500;

// Wall and processor seconds since it was made.
class Stopwatch {
public:
    Stopwatch()
        : m_wall(std::chrono::steady_clock::now())
        , m_processor(processorSeconds())
    {
    }
    double wall() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_wall).count(); }
    double processor() const { return processorSeconds() - m_processor; }

private:
    static double processorSeconds()
    {
        timespec now{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    }

    std::chrono::steady_clock::time_point m_wall;
    double m_processor;
};

double percentile(std::vector<double> values, double part)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(part * static_cast<double>(values.size() - 1) + 0.5);
    return values.at(at);
}

std::uintmax_t sizeOnDisk(const std::string& index)
{
    std::uintmax_t bytes = 0;
    for (const char* suffix : {"", "-wal", "-shm"}) {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(index + suffix, error);
        bytes += error ? 0 : size;
    }
    return bytes;
}

// Each prefix a user types on the way to the names, searched as the list asks (limit) and the filter
// given, three times over; milliseconds of each search.
struct Latencies {
    std::vector<double> wall;
    std::vector<double> processor;
};

Latencies typingLatencies(const LibraryDatabase& database, std::size_t limit, bool fitsSlot)
{
    const std::vector<std::string> typed{"bright clap", "deep kick 0", "kit 042 crash", "vinyl open hat", "ride"};
    LibrarySearch search(database);
    Latencies milliseconds;
    for (int round = 0; round < 3; ++round) {
        for (const std::string& words : typed) {
            for (std::size_t length = 1; length <= words.size(); ++length) {
                SearchQuery query;
                query.text = words.substr(0, length);
                query.limit = limit;
                if (limit == kListRows) // as the window's list asks
                    query.mostRanked = SearchQuery::kListMostRanked;
                if (fitsSlot)
                    query.longestSeconds = 0x2000 / 33000.0;
                const Stopwatch took;
                const std::size_t found = search.find(query).size();
                milliseconds.wall.push_back(took.wall() * 1000.0);
                milliseconds.processor.push_back(took.processor() * 1000.0);
                if (!search.failure().empty() || (round == 0 && length == words.size() && found == 0 && !fitsSlot))
                    std::fprintf(stderr, "search \"%s\": %zu found %s\n", query.text.c_str(), found,
                                 search.failure().c_str());
            }
        }
    }
    return milliseconds;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s LIBRARY [INDEX_FOLDER]\n", argv[0]);
        return 2;
    }
    const std::string library = std::filesystem::canonical(argv[1]).string();
    const bool scratch = argc < 3;
    const std::filesystem::path folder
        = scratch ? std::filesystem::temp_directory_path() / ("zylox-scale-bench-" + std::to_string(::getpid()))
                  : std::filesystem::path(argv[2]);
    const std::string index = (folder / "library.sqlite").string();
    const bool searchOnly = argc > 3 && std::string(argv[3]) == "--search-only";
    if (!searchOnly)
        std::filesystem::remove(index);
    std::atomic<bool> cancel{false};
    if (!searchOnly) {
        LibraryDatabase database(index);
        if (!database.isOpen()) {
            std::fprintf(stderr, "%s: %s\n", index.c_str(), database.opening().systemText.c_str());
            return 1;
        }
        const Stopwatch scanned;
        const ScanProgress first = LibraryScan(database, {library}).run(cancel);
        const double scanSeconds = scanned.wall();
        std::printf("index without analysis: %llu files in %.2f s (%.2f s processor): %.0f files/s\n",
                    static_cast<unsigned long long>(first.seen), scanSeconds, scanned.processor(),
                    static_cast<double>(first.seen) / scanSeconds);

        const Stopwatch rescanned;
        const ScanProgress again = LibraryScan(database, {library}).run(cancel);
        std::printf("rescan of unchanged files: %llu files in %.2f s (%.2f s processor), %llu written\n",
                    static_cast<unsigned long long>(again.seen), rescanned.wall(), rescanned.processor(),
                    static_cast<unsigned long long>(again.added + again.changed + again.removed));

        AnalysisQueue queue(database);
        const Stopwatch analysed;
        std::size_t done = 0;
        for (std::size_t batch = 0; (batch = queue.drain(64, cancel)) > 0;)
            done += batch;
        const double analysisSeconds = analysed.wall();
        std::printf("analysis: %zu files in %.2f s (%.2f s processor): %.0f files/s\n", done, analysisSeconds,
                    analysed.processor(), static_cast<double>(done) / analysisSeconds);
        std::printf("index with analysis: %.0f files/s\n",
                    static_cast<double>(first.seen) / (scanSeconds + analysisSeconds));
        database.execute("PRAGMA wal_checkpoint(TRUNCATE)");
        std::printf("index on disk: %.1f MB (%.0f bytes a file)\n", static_cast<double>(sizeOnDisk(index)) / 1e6,
                    static_cast<double>(sizeOnDisk(index)) / static_cast<double>(first.seen));
    }

    // A fresh connection, as a program that opens the library finds it, with the cache the window's
    // search keeps.
    const LibraryDatabase database(index);
    database.setCacheKiB(LibraryDatabase::kSearchCacheKiB);
    for (const bool fitsSlot : {false, true}) {
        for (const std::size_t limit : {kListRows, std::numeric_limits<std::size_t>::max() / 2}) {
            const Latencies latencies = typingLatencies(database, limit, fitsSlot);
            std::printf("search as typed%s, %s: %zu searches, p50 %.2f ms, p99 %.2f ms (processor p50 %.2f ms, p99 "
                        "%.2f ms)\n",
                        fitsSlot ? " fitting S05:1" : "",
                        limit == kListRows ? "500 rows (the list)" : "every row (zylox find)", latencies.wall.size(),
                        percentile(latencies.wall, 0.5), percentile(latencies.wall, 0.99),
                        percentile(latencies.processor, 0.5), percentile(latencies.processor, 0.99));
        }
    }
    if (scratch)
        std::filesystem::remove_all(folder);
    return 0;
}
