#include "cli/LibraryRescan.h"

#include "cli/LibraryIndex.h"
#include "soundlibrary/AnalysisQueue.h"
#include "soundlibrary/LibraryCounts.h"
#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibraryScan.h"
#include "soundlibrary/LibraryWords.h"

#include <csignal>
#include <iostream>
#include <unistd.h>

namespace {

std::atomic<bool> rescanCancelled{false};
std::atomic<int> rescanSignal{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

void cancelRescan(int signal)
{
    rescanSignal.store(signal);
    rescanCancelled.store(true);
}

// SIGINT and SIGTERM stop the rescan between two batches instead of ending the program while it lasts.
class SignalsStopRescan {
public:
    SignalsStopRescan()
    {
        rescanCancelled.store(false);
        rescanSignal.store(0);
        struct sigaction action { };
        action.sa_handler = cancelRescan;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_int);
        sigaction(SIGTERM, &action, &m_term);
    }
    ~SignalsStopRescan()
    {
        sigaction(SIGINT, &m_int, nullptr);
        sigaction(SIGTERM, &m_term, nullptr);
    }
    SignalsStopRescan(const SignalsStopRescan&) = delete;
    SignalsStopRescan& operator=(const SignalsStopRescan&) = delete;

private:
    struct sigaction m_int { };
    struct sigaction m_term { };
};

} // namespace

LibraryRescan::LibraryRescan(Progress show)
    : m_show(std::move(show))
{
}

int LibraryRescan::run()
{
    const std::optional<soundlibrary::LibraryFolders> folders = LibraryIndex::folders();
    if (!folders)
        return 1;
    if (folders->folders().empty()) {
        std::cerr << "zylox: the sound library has no folders: " << LibraryIndex::kHowToStart << '\n';
        return 1;
    }
    const std::unique_ptr<soundlibrary::LibraryDatabase> database = LibraryIndex::open();
    if (!database)
        return 1;
    m_terminal = ::isatty(STDERR_FILENO) == 1;
    const SignalsStopRescan signals;

    const soundlibrary::ScanProgress scanned = soundlibrary::LibraryScan(*database, folders->folders())
                                                   .run(rescanCancelled, [this](const soundlibrary::ScanProgress& now) {
                                                       progress(soundlibrary::scanningText(now).english());
                                                   });
    endProgress();
    const std::string summary = soundlibrary::scanEndText(scanned).english();
    if (!scanned.failure.empty()) {
        std::cerr << "zylox: " << summary << '\n';
        return 1;
    }
    if (scanned.cancelled)
        return stopped(summary);
    std::cout << summary << '\n';

    soundlibrary::AnalysisQueue queue(*database);
    // At most the files waiting now: what another program's scan adds meanwhile is its to analyse.
    for (std::uint64_t waiting = queue.waiting(); waiting > 0 && !rescanCancelled;) {
        progress(soundlibrary::countsText({.pending = waiting}).english());
        const std::size_t analysed = queue.drain(kAnalysisBatch, rescanCancelled);
        if (analysed == 0)
            break;
        waiting -= std::min<std::uint64_t>(waiting, analysed);
    }
    endProgress();
    if (!queue.failure().empty()) {
        std::cerr << "zylox: " << soundlibrary::indexUnwritableText(queue.failure()).english() << '\n';
        return 1;
    }
    const std::string counts = soundlibrary::countsText(soundlibrary::LibraryCounts::of(*database)).english();
    if (rescanCancelled)
        return stopped(counts);
    if (!counts.empty())
        std::cout << counts << '\n';
    return 0;
}

void LibraryRescan::progress(const std::string& line)
{
    if (m_show) {
        m_show(line);
        return;
    }
    if (!m_terminal)
        return;
    // Spaces over what is left of a longer line before.
    std::cerr << '\r' << line << std::string(m_shown > line.size() ? m_shown - line.size() : 0, ' ') << std::flush;
    m_shown = line.size();
}

void LibraryRescan::endProgress()
{
    if (m_shown > 0)
        std::cerr << '\n';
    m_shown = 0;
}

int LibraryRescan::stopped(const std::string& said)
{
    std::cerr << "zylox: stopped; the index keeps what was done: " << said << '\n';
    return 128 + rescanSignal.load();
}
