#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>

// `zylox library rescan`: the index brought in step with the library's folders, then the new and
// changed sounds analysed, a batch at a time, with the progress on standard error while it is a
// terminal. Ctrl+C (or SIGTERM) stops it between two batches: what was written stays, a usable index
// the next rescan goes on from.
class LibraryRescan {
public:
    // Sounds analysed between two looks at Ctrl+C and two lines of progress.
    static constexpr std::size_t kAnalysisBatch = 16;

    // Shows a line of progress; by default in place of the last one, while standard error is a terminal.
    using Progress = std::function<void(const std::string& line)>;
    explicit LibraryRescan(Progress show = {});

    // 0 done; 1 after saying what failed; 130 or 143 when stopped by SIGINT or SIGTERM.
    int run();

private:
    // Shows a line of progress in place of the last one, on a terminal only.
    void progress(const std::string& line);
    // Ends the line of progress, if one is shown.
    void endProgress();
    // The status of a run stopped by a signal, after saying how far it came.
    static int stopped(const std::string& said);

    Progress m_show;
    bool m_terminal = false;
    std::size_t m_shown = 0;
};
