#include "app/library/SoundListing.h"

#include "audio/SoundFileTypes.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QMetaObject>

#include <algorithm>
#include <atomic>
#include <chrono>

namespace {

// A batch goes to the window once it holds this many files or is this old, whichever comes first:
// the first rows fill at once, and a slow disk still shows progress.
constexpr std::size_t kBatchFiles = 64;
constexpr auto kBatchAge = std::chrono::milliseconds(100);

// The run of digits or of other characters that starts at from.
QStringView runAt(const QString& text, qsizetype from)
{
    const bool digits = text[from].isDigit();
    qsizetype end = from;
    while (end < text.size() && text[end].isDigit() == digits)
        ++end;
    return QStringView(text).mid(from, end - from);
}

// Names as people sort them: numbers by their value ("kick 2" before "kick 10"), letters by the
// collator, whatever the case. Names that differ only in leading zeros or case keep a fixed order.
bool sortsBefore(const QCollator& collator, const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        QStringView left = runAt(a, i);
        QStringView right = runAt(b, j);
        i += left.size();
        j += right.size();
        int order = 0;
        if (left.front().isDigit() && right.front().isDigit()) {
            while (left.size() > 1 && left.front() == u'0')
                left = left.mid(1);
            while (right.size() > 1 && right.front() == u'0')
                right = right.mid(1);
            order = left.size() != right.size() ? (left.size() < right.size() ? -1 : 1) : left.compare(right);
        } else {
            order = collator.compare(left, right);
        }
        if (order != 0)
            return order < 0;
    }
    if ((i < a.size()) != (j < b.size()))
        return j < b.size();
    return a < b;
}

} // namespace

struct SoundListing::Job {
    QString folder;
    std::atomic<bool> cancelled{false};
};

SoundListing::SoundListing(QObject* parent)
    : QObject(parent)
{
    // A listing cancelled while it reads from a slow disk may overlap the next one once.
    m_pool.setMaxThreadCount(2);
}

SoundListing::~SoundListing()
{
    cancel();
    m_pool.waitForDone();
}

QStringList SoundListing::nameFilters()
{
    QStringList filters;
    for (const std::string& type : audio::soundFileTypes())
        filters << QStringLiteral("*.") + QString::fromStdString(type);
    return filters;
}

void SoundListing::list(const QString& folder)
{
    cancel();
    m_job = std::make_shared<Job>();
    m_job->folder = folder;
    m_pool.start([this, job = m_job] { run(job); });
}

void SoundListing::cancel()
{
    if (m_job)
        m_job->cancelled = true;
    m_job.reset();
}

template <class Fact> void SoundListing::post(const std::shared_ptr<Job>& job, Fact fact)
{
    QMetaObject::invokeMethod(
        this,
        [this, job, fact = std::move(fact)] {
            if (job == m_job)
                fact();
        },
        Qt::QueuedConnection);
}

void SoundListing::run(const std::shared_ptr<Job>& job)
{
    // Files only: a FIFO or a device named like a sound would wait or never end.
    const QStringList names = QDir(job->folder).entryList(nameFilters(), QDir::Files | QDir::Readable, QDir::NoSort);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names)
        paths << QDir(job->folder).filePath(name);
    std::sort(paths.begin(), paths.end(),
              [&collator](const QString& a, const QString& b) { return sortsBefore(collator, a, b); });
    if (job->cancelled)
        return;
    post(job, [this, paths] { emit listed(paths); });

    std::vector<audio::SoundSummary> batch;
    int first = 0;
    auto started = std::chrono::steady_clock::now();
    for (int index = 0; index < paths.size(); ++index) {
        if (job->cancelled)
            return;
        batch.push_back(audio::summariseSoundFile(QFile::encodeName(paths[index]).toStdString()));
        if (batch.size() >= kBatchFiles || std::chrono::steady_clock::now() - started >= kBatchAge
            || index + 1 == paths.size()) {
            post(job, [this, first, batch = std::move(batch)] { emit summarised(first, batch); });
            batch.clear();
            first = index + 1;
            started = std::chrono::steady_clock::now();
        }
    }
    post(job, [this] { emit finished(); });
}
