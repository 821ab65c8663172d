#include "app/library/FolderListing.h"

#include "app/library/SoundFileModel.h"
#include "app/library/SoundListing.h"

#include <QFileSystemWatcher>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <filesystem>

namespace {

// A copy of many files changes the folder many times: it is read again this long after the first
// change of a run, and again as often while the copy goes on, so that a change shows well inside a
// second however long the copy takes.
constexpr int kSettleMs = 250;
// A file written this recently may still be growing, which the folder's watch does not tell: the
// folder is read again until its files have been still this long.
constexpr auto kStill = std::chrono::seconds(2);

} // namespace

FolderListing::FolderListing(QObject* parent)
    : QObject(parent)
    , m_model(new SoundFileModel(this))
    , m_listing(new SoundListing(this))
    , m_watcher(new QFileSystemWatcher(this))
    , m_again(new QTimer(this))
{
    m_again->setSingleShot(true);
    m_again->setInterval(kSettleMs);
    connect(m_again, &QTimer::timeout, this, &FolderListing::listAgain);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString& changed) {
        if (changed == m_folder && !m_again->isActive())
            m_again->start();
    });
    connect(m_listing, &SoundListing::listed, this, &FolderListing::takeListed);
    connect(m_listing, &SoundListing::summarised, this, [this](const SoundListing::Summaries& summaries) {
        m_model->setSummaries(summaries);
        tell();
    });
    connect(m_listing, &SoundListing::finished, this, [this] {
        tell();
        if (stillBeingWritten())
            m_again->start();
    });
}

FolderListing::~FolderListing() = default;

void FolderListing::list(const QString& folder)
{
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_again->stop();
    m_listing->cancel();
    m_model->clear();
    m_folder = folder;
    m_merging = false;
    m_merged.clear();
    if (folder.isEmpty())
        return;
    m_watcher->addPath(folder);
    emit progress(tr("Reading the folder\u2026"));
    m_listing->list(folder);
}

void FolderListing::gone(int row)
{
    m_model->remove(row);
    m_again->start();
}

void FolderListing::listAgain()
{
    // A folder removed and made again is no longer watched.
    if (!m_watcher->directories().contains(m_folder))
        m_watcher->addPath(m_folder);
    m_merging = true;
    m_merged.clear();
    m_listing->list(m_folder, m_model->summarised());
}

void FolderListing::takeListed(const std::vector<ListedFile>& files, bool last)
{
    if (!m_merging) {
        m_model->append(files);
    } else {
        m_merged.insert(m_merged.end(), files.begin(), files.end());
        if (last) {
            m_model->merge(m_merged);
            m_merged.clear();
            m_merging = false;
        }
    }
    tell();
}

bool FolderListing::stillBeingWritten() const
{
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::filesystem::file_time_type::clock::now().time_since_epoch())
                         .count();
    const KnownFiles read = m_model->summarised();
    return std::any_of(read.cbegin(), read.cend(), [now](const FileStamp& stamp) {
        return now - stamp.modified < std::chrono::nanoseconds(kStill).count();
    });
}

void FolderListing::tell()
{
    const int files = m_model->rowCount();
    const int read = m_model->summarisedCount();
    if (read < files) {
        emit progress(tr("Reading %1 of %2 files\u2026").arg(read).arg(files));
        return;
    }
    if (files == 0) {
        emit progress(tr("No sound files in this folder"));
        return;
    }
    const int sounds = m_model->soundCount();
    const int unreadable = m_model->unreadableCount();
    QString text = tr("%n sound(s)", nullptr, sounds);
    if (files - sounds - unreadable > 0)
        text += tr(", %n file(s) not sounds", nullptr, files - sounds - unreadable);
    if (unreadable > 0)
        text += tr(", %n file(s) could not be read", nullptr, unreadable);
    if (const int names = m_model->notUtf8Count(); names > 0)
        text += tr(", %n name(s) not UTF-8", nullptr, names);
    emit progress(text);
}
