#include "bytes/AtomicFile.h"

#include "bytes/FileName.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before it gives up (ELOOP).
constexpr int kMostLinks = 40;
constexpr const char* kMark = ".zylox-";
constexpr const char* kSuffix = ".tmp";

// The file a chain of symbolic links ends at, which need not exist yet; the path itself when it
// is no link. Empty, with errno ELOOP, for a chain that goes round.
std::string linkTarget(std::string path)
{
    for (int followed = 0; followed < kMostLinks; ++followed) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            return path;
        path = next.is_absolute() ? next.string() : (fs::path(path).parent_path() / next).string();
    }
    errno = ELOOP;
    return {};
}

std::string folderOf(const std::string& path)
{
    const std::string folder = fs::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// Of a target's name, what its hidden name holds: the dot, the mark, a process number of up to
// seven digits and the suffix would push a long name past what a file system takes, so that a file
// of a name the system takes could not be saved. A long name gives its start.
std::string hiddenPrefix(const std::string& target)
{
    constexpr std::size_t kMostProcessDigits = 7;
    const std::size_t room = FileName::kLongest - 1 - std::strlen(kMark) - kMostProcessDigits - std::strlen(kSuffix);
    return "." + FileName::cut(fs::path(target).filename().string(), room) + kMark;
}

std::string hiddenName(const std::string& target, pid_t process)
{
    return (fs::path(target).parent_path() / (hiddenPrefix(target) + std::to_string(process) + kSuffix)).string();
}

// The process that made a hidden temporary of target, when name is one.
pid_t maker(const std::string& name, const std::string& target)
{
    const std::string prefix = hiddenPrefix(target);
    const std::size_t suffix = std::strlen(kSuffix);
    if (name.size() <= prefix.size() + suffix || !name.starts_with(prefix) || !name.ends_with(kSuffix))
        return 0;
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix);
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return static_cast<pid_t>(std::stol(digits));
}

// A temporary whose process is gone will never be committed; one of a running process (or of
// this one, saving elsewhere) may be.
void removeAbandonedTemporaries(const std::string& target)
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folderOf(target), error)) {
        const pid_t process = maker(entry.path().filename().string(), target);
        if (process > 0 && process != ::getpid() && ::kill(process, 0) != 0 && errno == ESRCH
            && entry.is_regular_file(error) && !entry.is_symlink(error))
            ::unlink(entry.path().c_str());
    }
}

// True when nothing is at path, or a regular file (after following links).
bool regularOrAbsent(const std::string& path)
{
    struct stat status { };
    return ::stat(path.c_str(), &status) != 0 ? errno == ENOENT : S_ISREG(status.st_mode);
}

void keepAttributes(int descriptor, const struct stat& old)
{
    // Only root may give a file away; everyone else keeps at least the group where allowed, and
    // where that fails too the file has the owner and group any new file gets.
    [[maybe_unused]] const bool kept = ::fchown(descriptor, old.st_uid, old.st_gid) == 0
                                       || ::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid) == 0;
    // After the owner: a change of owner clears the set-user-ID and set-group-ID bits.
    ::fchmod(descriptor, old.st_mode & 07777);
}

bool syncFolderOf(const std::string& path)
{
    const int descriptor = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

} // namespace

AtomicFile::AtomicFile(std::string target)
    : m_target(linkTarget(std::move(target)))
{
    if (m_target.empty()) {
        failWith(errno);
        return;
    }
    struct stat old { };
    const bool exists = ::stat(m_target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        m_notRegular = true;
        return;
    }
    // The rename would need only the folder's permission; the file's own says whether it may change.
    if (exists && ::access(m_target.c_str(), W_OK) != 0) {
        failWith(errno);
        return;
    }
    removeAbandonedTemporaries(m_target);
    m_hidden = hiddenName(m_target, ::getpid());
    if (!openUnnamed(folderOf(m_target)) && !openNamed())
        return;
    if (exists)
        keepAttributes(m_descriptor, old);
}

AtomicFile::~AtomicFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    if (!m_committed && !m_unnamed && !m_temporary.empty())
        ::unlink(m_temporary.c_str());
}

bool AtomicFile::openUnnamed(const std::string& folder)
{
    // New files get the permissions any new file in the folder would get: the mode minus the umask.
    m_descriptor = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_descriptor < 0)
        return false;
    // Writers open the file by a path, which an unnamed file has only under /proc.
    const std::string path = "/proc/self/fd/" + std::to_string(m_descriptor);
    if (::access(path.c_str(), W_OK) != 0) {
        ::close(m_descriptor);
        m_descriptor = -1;
        return false;
    }
    m_temporary = path;
    m_unnamed = true;
    return true;
}

bool AtomicFile::openNamed()
{
    m_descriptor = ::open(m_hidden.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (m_descriptor < 0)
        return failWith(errno);
    m_temporary = m_hidden;
    return true;
}

bool AtomicFile::commit()
{
    if (m_temporary.empty() || m_committed)
        return false;
    if (::fsync(m_descriptor) != 0)
        return failWith(errno);
    // A link cannot replace a file; the hidden name it takes first is renamed over the target.
    if (m_unnamed) {
        ::unlink(m_hidden.c_str());
        if (::linkat(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_hidden.c_str(), AT_SYMLINK_FOLLOW) != 0)
            return failWith(errno);
    }
    // Whatever took the target's place meanwhile is refused as it would have been at the start.
    if (!regularOrAbsent(m_target)) {
        m_notRegular = true;
        ::unlink(m_hidden.c_str());
        return false;
    }
    if (std::rename(m_hidden.c_str(), m_target.c_str()) != 0) {
        failWith(errno);
        ::unlink(m_hidden.c_str());
        return false;
    }
    m_committed = true;
    return syncFolderOf(m_target) || failWith(errno);
}

FileFailure AtomicFile::writeWhole(const std::string& path, std::span<const std::uint8_t> bytes)
{
    AtomicFile target(path);
    if (target.temporaryPath().empty())
        return target.failure();
    errno = 0;
    std::ofstream file(target.temporaryPath(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        return FileFailure::fromErrno(errno);
    if (!target.commit())
        return target.failure();
    return {};
}

FileFailure AtomicFile::failure() const
{
    return m_notRegular ? FileFailure{FileFailure::Kind::NotRegular} : FileFailure::fromErrno(m_error);
}

bool AtomicFile::failWith(int error)
{
    m_error = error;
    return false;
}
