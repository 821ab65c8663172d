#include "midiio/SenderLock.h"

#include "midiio/DeviceRecord.h"

#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/file.h>
#include <unistd.h>

namespace {

// "zylox 4242\n" is all a holder writes; a longer file was not written by one.
constexpr std::size_t kLongestHolder = 256;

// The program and process from the holder's line; a holder caught before it wrote its line, or a
// file someone else wrote, is just another program, and the refusal names none.
void nameHolder(int descriptor, SenderLock::Refusal& refusal)
{
    char text[kLongestHolder];
    const ssize_t length = ::pread(descriptor, text, sizeof text, 0);
    std::string_view line(text, length > 0 ? static_cast<std::size_t>(length) : 0);
    if (line.empty() || line.back() != '\n')
        return;
    line.remove_suffix(1);
    const std::size_t space = line.rfind(' ');
    if (space == std::string_view::npos || space == 0 || space + 1 == line.size() ||
        line.find_first_not_of("0123456789", space + 1) != std::string_view::npos ||
        line.find('\n') != std::string_view::npos)
        return;
    refusal.holder = line.substr(0, space);
    refusal.process = line.substr(space + 1);
}

} // namespace

SenderLock::Taken SenderLock::take(const DeviceRecord& record, const std::string& program)
{
    const std::string path = record.lockPath();
    if (path.empty())
        return {std::unique_ptr<SenderLock>(new SenderLock(-1)), {}};
    std::error_code error;
    std::filesystem::create_directories(record.folder(), error);
    if (error)
        return {nullptr, {.kind = Refusal::Kind::Unwritable, .unwritable = record.unwritable(error.value())}};
    const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (descriptor < 0)
        return {nullptr, {.kind = Refusal::Kind::Unwritable, .unwritable = record.unwritable(errno)}};
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        Refusal refusal;
        if (why == EWOULDBLOCK) {
            refusal.kind = Refusal::Kind::Busy;
            refusal.device = record.device().displayName();
            nameHolder(descriptor, refusal);
        } else {
            refusal = {.kind = Refusal::Kind::Unwritable, .unwritable = record.unwritable(why)};
        }
        ::close(descriptor);
        return {nullptr, refusal};
    }
    // Without its line the lock still holds; whoever is refused then hears of another program.
    const std::string line = program + " " + std::to_string(::getpid()) + "\n";
    [[maybe_unused]] const bool named =
        ::ftruncate(descriptor, 0) == 0 &&
        ::pwrite(descriptor, line.data(), line.size(), 0) == static_cast<ssize_t>(line.size());
    return {std::unique_ptr<SenderLock>(new SenderLock(descriptor)), {}};
}

std::string SenderLock::Refusal::describe() const
{
    switch (kind) {
    case Kind::None:
        break;
    case Kind::Unwritable:
        return unwritable.describe();
    case Kind::Busy:
        return device + " is being sent to by " + (holder.empty() ? "another program" : holder + ", process " + process);
    }
    return {};
}

SenderLock::~SenderLock()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}
