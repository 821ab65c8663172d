#pragma once

#include "soundlibrary/LibraryOpening.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace soundlibrary {
class LibraryDatabase;
}

// A thread of the library with its own connection to the index (SQLite's connections are each
// one thread's): it opens the index first, which may wait on another program's lock or set a
// damaged file aside, then runs the jobs posted to it one after another. Nothing of it ever runs
// on the window's thread, so neither a slow disk nor a locked index can hold the window up.
class LibraryThread {
public:
    // A job runs with the thread's connection and a flag that says it should stop between two
    // steps: the editor is closing, or what it works on is no longer wanted.
    using Job = std::function<void(soundlibrary::LibraryDatabase&, const std::atomic<bool>& stop)>;
    enum class Priority { Normal, Low };

    // opened runs on the new thread once the index is open (or could not be), before any job.
    // cacheKiB: the connection's cache (LibraryDatabase::kCacheKiB unless it searches).
    LibraryThread(std::string indexPath, Priority priority, int cacheKiB,
                  std::function<void(const soundlibrary::LibraryOpening&)> opened = {});
    // Stops the running job at its next step, drops the rest, and waits for the thread to end.
    ~LibraryThread();
    LibraryThread(const LibraryThread&) = delete;
    LibraryThread& operator=(const LibraryThread&) = delete;

    void post(Job job);
    // The running job is asked to stop and the jobs not yet begun are dropped; jobs posted after
    // this run as usual.
    void abandon();

private:
    void run(std::string indexPath, Priority priority, int cacheKiB,
             const std::function<void(const soundlibrary::LibraryOpening&)>& opened);

    std::mutex m_lock;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    bool m_quitting = false;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
