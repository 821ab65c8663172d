#include "midiio/alsa/WakeablePoll.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

WakeablePoll::WakeablePoll()
    : m_wakeUp(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
}

WakeablePoll::~WakeablePoll()
{
    if (m_wakeUp >= 0)
        close(m_wakeUp);
}

bool WakeablePoll::wait(std::span<pollfd> descriptors)
{
    // Without its descriptor nothing could end the wait: it ends at once instead.
    if (m_wakeUp < 0)
        return false;
    std::vector<pollfd> all(descriptors.begin(), descriptors.end());
    all.push_back({m_wakeUp, POLLIN, 0});
    for (;;) {
        const int ready = poll(all.data(), all.size(), -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || all.back().revents != 0)
            return false;
        for (std::size_t index = 0; index < descriptors.size(); ++index)
            descriptors[index].revents = all[index].revents;
        return true;
    }
}

void WakeablePoll::wake()
{
    if (m_wakeUp >= 0)
        eventfd_write(m_wakeUp, 1);
}
