#include "bytes/SourceFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kReadStep = std::size_t{64} * 1024;

} // namespace

SourceFile::SourceFile(const std::string& path, std::size_t limit)
{
    // Opening a FIFO for reading would wait for a writer; without waiting it reads as empty.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        m_error = errno;
        return;
    }
    struct stat status { };
    if (::fstat(descriptor, &status) != 0)
        m_error = errno; // NOLINT(bugprone-branch-clone): each call that fails sets its own errno
    else if (S_ISDIR(status.st_mode))
        m_error = EISDIR;
    else if (::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0)
        m_error = errno;
    else
        read(descriptor, limit, S_ISREG(status.st_mode) ? static_cast<std::size_t>(status.st_size) + 1 : 0);
    if (m_error == 0 && S_ISREG(status.st_mode))
        m_fileSize = static_cast<std::uint64_t>(status.st_size);
    ::close(descriptor);
}

void SourceFile::read(int descriptor, std::size_t limit, std::size_t expected)
{
    // A regular file's size is known: one allocation holds it and the read that finds its end,
    // where growing step by step would copy it and touch fresh memory again and again. Anything
    // else grows with what arrives, so a short stream never costs the whole limit.
    m_bytes.reserve(std::min(expected, limit));
    while (m_bytes.size() < limit) {
        const std::size_t start = m_bytes.size();
        const std::size_t wanted = start < expected ? expected - start : kReadStep;
        const std::size_t step = std::min(wanted, limit - start);
        m_bytes.resize(start + step);
        const ssize_t got = ::read(descriptor, m_bytes.data() + start, step);
        if (got < 0 && errno == EINTR) {
            m_bytes.resize(start);
            continue;
        }
        if (got <= 0) {
            m_bytes.resize(start);
            if (got < 0)
                m_error = errno;
            return;
        }
        m_bytes.resize(start + static_cast<std::size_t>(got));
    }
}
