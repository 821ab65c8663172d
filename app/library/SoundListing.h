#pragma once

#include "app/library/ListedFile.h"
#include "app/library/PassHandover.h"
#include "audio/SoundSummary.h"

#include <QObject>
#include <QThreadPool>

#include <memory>
#include <utility>
#include <vector>

// Lists the sound files of a folder on threads of its own, so that a folder of thousands of files
// never holds up the window: first the files, in chunks, then what each holds, in batches as their
// headers are read. The window takes in what arrived for a few milliseconds of each pass of its
// event loop at most, however much waits. Listing another folder, or cancel, ends the listing
// before it: nothing of that one arrives after.
class SoundListing : public QObject {
    Q_OBJECT
public:
    using Summaries = std::vector<std::pair<QByteArray, audio::SoundSummary>>;

    explicit SoundListing(QObject* parent = nullptr);
    // Waits for the header being read, no more.
    ~SoundListing() override;

    // Reads the headers of the files that known does not hold as they are now.
    void list(const QString& folder, KnownFiles known = {});
    void cancel();

signals:
    // The folder's sound files, a chunk at a time, in the order people sort names ("kick 2" before
    // "kick 10"); last marks the chunk that ends them (empty for an empty folder).
    void listed(const std::vector<ListedFile>& files, bool last);
    // What the files at these paths hold, in the order they were listed.
    void summarised(const SoundListing::Summaries& summaries);
    // Every file listed that needed it has been summarised.
    void finished();

private:
    struct Job;
    // On a thread of the pool.
    void run(const std::shared_ptr<Job>& job);
    void summarise(const std::shared_ptr<Job>& job, const std::vector<ListedFile>& files);
    // Hands fact to the window's thread, where it is dropped once another listing has begun.
    template <class Fact> void post(const std::shared_ptr<Job>& job, Fact fact);

    QThreadPool m_pool;
    std::shared_ptr<Job> m_job;
    PassHandover m_handover;
};
