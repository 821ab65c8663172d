#include "cli/OutputFile.h"

#include "bytes/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

std::string systemReason(const char* fallback)
{
    return errno != 0 ? std::strerror(errno) : fallback;
}

} // namespace

bool OutputFile::write(const std::string& path, std::span<const std::uint8_t> bytes, std::string& reason)
{
    AtomicFile target(path);
    if (target.temporaryPath().empty()) {
        reason = target.failure().describe();
        return false;
    }
    errno = 0;
    std::ofstream file(target.temporaryPath(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        reason = systemReason("cannot be written");
        return false;
    }
    if (!target.commit()) {
        reason = target.failure().describe();
        return false;
    }
    return true;
}
