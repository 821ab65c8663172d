#include "bytes/SourceFileReader.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SourceFileReader::SourceFileReader(const std::string& path)
{
    // Opening a FIFO for reading would wait for a writer; without waiting it reads as empty.
    m_descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_descriptor < 0) {
        m_error = errno;
        return;
    }
    struct stat status { };
    if (::fstat(m_descriptor, &status) != 0)
        m_error = errno; // NOLINT(bugprone-branch-clone): errno of fstat here, of fcntl below
    else if (S_ISDIR(status.st_mode))
        m_error = EISDIR;
    else if (::fcntl(m_descriptor, F_SETFL, ::fcntl(m_descriptor, F_GETFL) & ~O_NONBLOCK) != 0)
        m_error = errno;
    // A regular file whose size says 0 may hold bytes all the same (/proc): it is read as a stream.
    m_regular = S_ISREG(status.st_mode) && status.st_size > 0;
    m_size = m_regular ? static_cast<std::uint64_t>(status.st_size) : 0;
    if (m_error != 0) {
        ::close(m_descriptor);
        m_descriptor = -1;
    }
}

SourceFileReader::~SourceFileReader()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

std::size_t SourceFileReader::readAt(std::uint64_t offset, std::span<std::uint8_t> into)
{
    if (m_descriptor < 0)
        return 0;
    if (!m_regular) {
        // What lies behind the stream's position is there to read only within its head.
        std::size_t count = 0;
        if (offset < m_position) {
            if (offset >= m_head.size())
                return 0;
            count = std::min<std::size_t>(into.size(), m_head.size() - offset);
            std::copy_n(m_head.begin() + static_cast<std::ptrdiff_t>(offset), count, into.begin());
            if (count == into.size() || m_position > m_head.size())
                return count;
        }
        std::uint8_t skipped[16 * 1024];
        while (m_position < offset + count) {
            const std::size_t step
                = static_cast<std::size_t>(std::min<std::uint64_t>(sizeof skipped, offset + count - m_position));
            if (readOn(std::span(skipped, step)) == 0)
                return count;
        }
        while (count < into.size()) {
            const std::size_t got = readOn(into.subspan(count));
            if (got == 0)
                break;
            count += got;
        }
        return count;
    }
    std::size_t count = 0;
    while (count < into.size()) {
        const ssize_t got
            = ::pread(m_descriptor, into.data() + count, into.size() - count, static_cast<off_t>(offset + count));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            if (got < 0)
                m_error = errno;
            break;
        }
        count += static_cast<std::size_t>(got);
        m_read += static_cast<std::uint64_t>(got);
    }
    return count;
}

std::size_t SourceFileReader::readOn(std::span<std::uint8_t> into)
{
    for (;;) {
        const ssize_t got = ::read(m_descriptor, into.data(), into.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            if (got < 0)
                m_error = errno;
            return 0;
        }
        const auto count = static_cast<std::size_t>(got);
        if (m_position < kStreamHeadBytes) {
            const std::size_t kept = std::min<std::size_t>(count, kStreamHeadBytes - m_position);
            m_head.insert(m_head.end(), into.begin(), into.begin() + static_cast<std::ptrdiff_t>(kept));
        }
        m_position += count;
        m_read += count;
        return count;
    }
}
