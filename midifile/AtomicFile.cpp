#include "midifile/AtomicFile.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

AtomicFile::AtomicFile(std::string target)
    : m_target(std::move(target))
{
    std::string pattern = m_target + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0)
        return;
    // mkstemp makes the file private; a saved file gets the permissions a new file would get.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(descriptor, 0666 & ~mask);
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
    const int descriptor = ::open(m_temporary.c_str(), O_RDONLY);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    if (!synced || std::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return false;
    m_committed = true;
    return true;
}
