// Saves a file through AtomicFile and ends itself with SIGKILL at the point its command line names,
// as a crash or `kill -9` would. The points inside the save's own system calls are reached by the
// linker's --wrap of those calls in this program alone; the library is the one the programs use.
//
//   interrupted_save TARGET POINT [named]
//
// POINT: opened (the temporary exists), half (half the bytes written), written (all written, not
// committed), linked (about to be renamed over the target), renamed (renamed, folder not yet
// flushed), or none. With "named", the file system refuses unnamed files, as some do.
#include "bytes/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::string g_point;
bool g_named = false;

void stopAt(const std::string& point)
{
    if (point == g_point)
        std::raise(SIGKILL);
}

} // namespace

extern "C" {
int __real_open(const char* path, int flags, ...);
int __real_rename(const char* from, const char* to);
int __real_fsync(int descriptor);

int __wrap_open(const char* path, int flags, ...)
{
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list arguments;
        va_start(arguments, flags);
        mode = va_arg(arguments, mode_t);
        va_end(arguments);
    }
    if (g_named && (flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return __real_open(path, flags, mode);
}

int __wrap_rename(const char* from, const char* to)
{
    stopAt("linked");
    return __real_rename(from, to);
}

int __wrap_fsync(int descriptor)
{
    struct stat status { };
    if (::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode))
        stopAt("renamed");
    return __real_fsync(descriptor);
}
}

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    g_point = argv[2];
    g_named = argc > 3 && std::string(argv[3]) == "named";
    AtomicFile target(argv[1]);
    if (target.temporaryPath().empty())
        return 1;
    stopAt("opened");
    const std::vector<char> half(100'000, 'n');
    std::ofstream out(target.temporaryPath(), std::ios::binary | std::ios::trunc);
    out.write(half.data(), static_cast<std::streamsize>(half.size()));
    out.flush();
    stopAt("half");
    out.write(half.data(), static_cast<std::streamsize>(half.size()));
    out.close();
    stopAt("written");
    return out && target.commit() ? 0 : 1;
}
