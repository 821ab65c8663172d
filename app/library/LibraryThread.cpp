#include "app/library/LibraryThread.h"

#include "soundlibrary/LibraryDatabase.h"

#include <sys/resource.h>
#include <unistd.h>

namespace {

// The nice value of a thread of low priority: it takes a core only when nothing else wants it, so
// analysing a library never slows the window or a transmission.
constexpr int kLowNice = 19;

} // namespace

LibraryThread::LibraryThread(std::string indexPath, Priority priority, int cacheKiB,
                             std::function<void(const soundlibrary::LibraryOpening&)> opened)
{
    m_thread = std::thread([this, indexPath = std::move(indexPath), priority, cacheKiB, opened = std::move(opened)] {
        run(indexPath, priority, cacheKiB, opened);
    });
}

LibraryThread::~LibraryThread()
{
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_quitting = true;
        m_stop = true;
        m_jobs.clear();
    }
    m_wake.notify_all();
    m_thread.join();
}

void LibraryThread::post(Job job)
{
    {
        const std::lock_guard<std::mutex> guard(m_lock);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_all();
}

void LibraryThread::abandon()
{
    const std::lock_guard<std::mutex> guard(m_lock);
    m_jobs.clear();
    m_stop = true;
}

void LibraryThread::run(std::string indexPath, Priority priority, int cacheKiB,
                        const std::function<void(const soundlibrary::LibraryOpening&)>& opened)
{
    // On Linux a nice value is a thread's own: this one alone is lowered.
    if (priority == Priority::Low)
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kLowNice);
    soundlibrary::LibraryDatabase database(std::move(indexPath));
    if (database.isOpen() && cacheKiB != soundlibrary::LibraryDatabase::kCacheKiB)
        database.setCacheKiB(cacheKiB);
    if (opened)
        opened(database.opening());
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> guard(m_lock);
            m_wake.wait(guard, [this] { return m_quitting || !m_jobs.empty(); });
            if (m_quitting)
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
            // A stop asked for before this job was taken was meant for the one before.
            m_stop = false;
        }
        job(database, m_stop);
    }
}
