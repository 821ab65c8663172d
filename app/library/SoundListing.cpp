#include "app/library/SoundListing.h"

#include "app/library/NameOrder.h"
#include "audio/SoundFileTypes.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <set>
#include <string>

namespace {

// The window takes in this many files at once: a few milliseconds of its list's work at 20,000 rows.
constexpr std::size_t kChunkFiles = 100;
// A batch of headers goes to the window once it holds this many files or is this old, whichever
// comes first: the first rows fill at once, and a slow disk still shows progress.
constexpr std::size_t kBatchFiles = 64;
constexpr auto kBatchAge = std::chrono::milliseconds(100);

std::set<std::string> soundTypes()
{
    std::set<std::string> types;
    for (const std::string& type : audio::soundFileTypes())
        types.insert(type);
    return types;
}

// "take.WAV" is a WAV file as "take.wav" is. Hidden files are left out, as a file manager leaves
// them out: another system's "._take.wav" beside each sound holds no sound.
bool isSoundName(const std::set<std::string>& types, const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.front() == '.')
        return false;
    std::string type = name.substr(dot + 1);
    std::transform(type.begin(), type.end(), type.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return types.count(type) != 0;
}

// The folder's sound files by their names' bytes, whatever they are: a name that is not UTF-8 is
// listed too. Files only: a FIFO or a device named like a sound would wait or never end. A file
// that cannot be read is listed, so the list says so rather than hiding it.
std::vector<ListedFile> readFolder(const QString& folder, const std::atomic<bool>& cancelled)
{
    const std::set<std::string> types = soundTypes();
    std::vector<ListedFile> files;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(QFile::encodeName(folder).toStdString(), error), end;
         !error && entry != end && !cancelled; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!isSoundName(types, name))
            continue;
        const std::string path = entry->path().string();
        const std::optional<FileStamp> stamp = fileStampOf(path);
        if (!stamp)
            continue;
        ListedFile file;
        file.path = QByteArray::fromStdString(path);
        file.name = QString::fromUtf8(name);
        file.nameIsUtf8 = file.name.toUtf8() == QByteArray::fromStdString(name);
        file.stamp = *stamp;
        files.push_back(std::move(file));
    }
    // Two names that differ only in bytes that are not UTF-8 show alike: their bytes order them.
    const NameOrder order;
    std::sort(files.begin(), files.end(), [&order](const ListedFile& a, const ListedFile& b) {
        if (order(a.name, b.name))
            return true;
        return !order(b.name, a.name) && a.path < b.path;
    });
    return files;
}

} // namespace

struct SoundListing::Job {
    QString folder;
    KnownFiles known;
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

void SoundListing::list(const QString& folder, KnownFiles known)
{
    cancel();
    m_job = std::make_shared<Job>();
    m_job->folder = folder;
    m_job->known = std::move(known);
    m_pool.start([this, job = m_job] { run(job); });
}

void SoundListing::cancel()
{
    if (m_job)
        m_job->cancelled = true;
    m_job.reset();
    m_handover.clear();
}

template <class Fact> void SoundListing::post(const std::shared_ptr<Job>& job, Fact fact)
{
    m_handover.post([this, job, fact = std::move(fact)] {
        if (job == m_job)
            fact();
    });
}

void SoundListing::run(const std::shared_ptr<Job>& job)
{
    const std::vector<ListedFile> files = readFolder(job->folder, job->cancelled);
    if (job->cancelled)
        return;
    std::size_t from = 0;
    do {
        const std::size_t to = std::min(files.size(), from + kChunkFiles);
        std::vector<ListedFile> chunk(files.begin() + static_cast<std::ptrdiff_t>(from),
                                      files.begin() + static_cast<std::ptrdiff_t>(to));
        post(job, [this, chunk = std::move(chunk), last = to == files.size()] { emit listed(chunk, last); });
        from = to;
    } while (from < files.size());
    summarise(job, files);
}

void SoundListing::summarise(const std::shared_ptr<Job>& job, const std::vector<ListedFile>& files)
{
    Summaries batch;
    auto started = std::chrono::steady_clock::now();
    for (const ListedFile& file : files) {
        if (job->cancelled)
            return;
        if (const auto known = job->known.constFind(file.path); known != job->known.cend() && *known == file.stamp)
            continue;
        batch.emplace_back(file.path, audio::summariseSoundFile(file.path.toStdString()));
        if (batch.size() >= kBatchFiles || std::chrono::steady_clock::now() - started >= kBatchAge) {
            post(job, [this, batch = std::move(batch)] { emit summarised(batch); });
            batch.clear();
            started = std::chrono::steady_clock::now();
        }
    }
    if (!batch.empty())
        post(job, [this, batch = std::move(batch)] { emit summarised(batch); });
    post(job, [this] { emit finished(); });
}
