#include "midifile/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// As many links as the system itself follows before it gives up (ELOOP).
constexpr int kMostLinks = 40;

// The file a chain of symbolic links ends at, which need not exist yet; the path itself when it
// is no link. Empty, with errno ELOOP, for a chain that goes round.
std::string linkTarget(std::string path)
{
    namespace fs = std::filesystem;
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

bool syncFolderOf(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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
    if (m_target.empty())
        return;
    struct stat old {};
    const bool exists = ::stat(m_target.c_str(), &old) == 0;
    // The rename would need only the folder's permission; the file's own says whether it may change.
    if (exists && ::access(m_target.c_str(), W_OK) != 0)
        return;
    std::string pattern = m_target + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0)
        return;
    if (exists) {
        // Keeping the group is worth a try; where it fails the file has the group new files get.
        [[maybe_unused]] const bool groupKept = ::fchown(descriptor, static_cast<uid_t>(-1), old.st_gid) == 0;
        ::fchmod(descriptor, old.st_mode & 07777);
    } else {
        // mkstemp makes the file private; a new file gets the permissions any new file would get.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(descriptor, 0666 & ~mask);
    }
    ::close(descriptor);
    m_temporary = name.data();
}

AtomicFile::~AtomicFile()
{
    if (!m_committed && !m_temporary.empty())
        std::remove(m_temporary.c_str());
}

bool AtomicFile::commit()
{
    if (m_temporary.empty() || m_committed)
        return false;
    const int descriptor = ::open(m_temporary.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    if (!synced || std::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return false;
    m_committed = true;
    return syncFolderOf(m_target);
}
