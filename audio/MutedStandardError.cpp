#include "audio/MutedStandardError.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>

namespace audio {

namespace {

std::mutex redirection;
int mutedCount = 0;
// Where standard error went before the first muting, while any lasts; -1 when it could not be kept,
// and then nothing is muted.
int keptStandardError = -1;

} // namespace

MutedStandardError::MutedStandardError()
{
    const std::lock_guard lock(redirection);
    if (mutedCount++ > 0)
        return;
    std::fflush(stderr);
    keptStandardError = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (keptStandardError >= 0 && nowhere >= 0)
        ::dup2(nowhere, STDERR_FILENO);
    if (nowhere >= 0)
        ::close(nowhere);
}

MutedStandardError::~MutedStandardError()
{
    const std::lock_guard lock(redirection);
    if (--mutedCount > 0 || keptStandardError < 0)
        return;
    std::fflush(stderr);
    ::dup2(keptStandardError, STDERR_FILENO);
    ::close(keptStandardError);
    keptStandardError = -1;
}

} // namespace audio
