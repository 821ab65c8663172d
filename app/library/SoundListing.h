#pragma once

#include "audio/SoundSummary.h"

#include <QObject>
#include <QStringList>
#include <QThreadPool>

#include <memory>
#include <vector>

// Lists the sound files of a folder on threads of its own, so that a folder of thousands of files
// never holds up the window: first their paths, all at once, then what each holds, in batches as
// their headers are read. Listing another folder, or cancel, ends the listing before it: nothing
// of that one arrives after.
class SoundListing : public QObject {
    Q_OBJECT
public:
    explicit SoundListing(QObject* parent = nullptr);
    // Waits for the header being read, no more.
    ~SoundListing() override;

    // The file names a sound file has ("*.wav", ...), as a folder listing filters them.
    static QStringList nameFilters();

    void list(const QString& folder);
    void cancel();

signals:
    // The folder's sound files, in the order a person sorts names ("kick 2" before "kick 10").
    void listed(const QStringList& paths);
    // What the files from the first-th of those listed on hold, in their order.
    void summarised(int first, const std::vector<audio::SoundSummary>& summaries);
    // Every file listed has been summarised.
    void finished();

private:
    struct Job;
    // On a thread of the pool.
    void run(const std::shared_ptr<Job>& job);
    // Hands fact to the window's thread, where it is dropped once another listing has begun.
    template <class Fact> void post(const std::shared_ptr<Job>& job, Fact fact);

    QThreadPool m_pool;
    std::shared_ptr<Job> m_job;
};
