#include "midiio/record/SenderLock.h"

#include "midiio/IMidiService.h"
#include "midiio/record/DeviceRecord.h"

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// "zylox 4242\n" is all a holder writes; a longer file was not written by one.
constexpr std::size_t kLongestHolder = 256;
// Not the file of a link, nor a FIFO that would hold the sender until someone writes into it.
constexpr int kOpening = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
// A file made in the shared folder is the lock of everyone who sends to the device.
constexpr mode_t kEveryone = 0666;
constexpr mode_t kOwner = 0644;
// Between a file that was gone and one made meanwhile by another sender, a few tries settle it.
constexpr int kTries = 3;

// Sticky and writable by everyone: anyone may make a lock there, and nobody may take away another's.
bool openToEveryone(const std::string& folder)
{
    constexpr mode_t kEveryonesFolder = S_ISVTX | S_IWOTH | S_IXOTH;
    struct stat status { };
    return !folder.empty() && ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode)
           && (status.st_mode & kEveryonesFolder) == kEveryonesFolder;
}

struct Opened {
    int descriptor = -1;
    bool writable = false;
    FileFailure failure{};
};

FileFailure openingFailure(int error)
{
    // A link (refused by O_NOFOLLOW), a folder or a socket stands where the lock's file goes.
    if (error == ELOOP || error == EISDIR || error == ENXIO)
        return {FileFailure::Kind::NotRegular};
    return FileFailure::fromErrno(error);
}

// The lock's file as it is, or made anew without replacing one that another sender made
// meanwhile: an open that may create would, in a sticky folder, be refused another user's file
// (fs.protected_regular).
Opened openLockFile(const std::string& path, mode_t mode)
{
    Opened opened;
    for (int tries = 0; tries < kTries && opened.descriptor < 0; ++tries) {
        opened.writable = true;
        opened.descriptor = ::open(path.c_str(), O_RDWR | kOpening);
        if (opened.descriptor < 0 && errno == EACCES) {
            opened.writable = false;
            opened.descriptor = ::open(path.c_str(), O_RDONLY | kOpening);
        }
        if (opened.descriptor >= 0 || errno != ENOENT)
            break;
        opened.writable = true;
        opened.descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | kOpening, mode);
        // The umask would keep other users from locking it.
        if (opened.descriptor >= 0)
            ::fchmod(opened.descriptor, mode);
        else if (errno != EEXIST)
            break;
    }
    if (opened.descriptor < 0) {
        opened.failure = openingFailure(errno);
        return opened;
    }
    struct stat status { };
    if (::fstat(opened.descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_nlink != 1) {
        // A second name may be any file of the system's, which a holder would overwrite.
        opened.failure = S_ISREG(status.st_mode) && status.st_nlink > 1 ? FileFailure::fromErrno(EMLINK)
                                                                        : FileFailure{FileFailure::Kind::NotRegular};
        ::close(opened.descriptor);
        opened.descriptor = -1;
    }
    return opened;
}

bool running(const std::string_view& process)
{
    if (process.size() > 9)
        return false;
    const pid_t id = static_cast<pid_t>(std::stol(std::string(process)));
    // Another user's process may not be signalled, but it is there.
    return id > 0 && (::kill(id, 0) == 0 || errno == EPERM);
}

// The program and process from the holder's line; a holder caught before it wrote its line, one
// that could not write it (a file it may only read) and left an earlier holder's, or a file
// someone else wrote, is just another program, and the refusal names none.
void nameHolder(int descriptor, SenderLock::Refusal& refusal)
{
    char text[kLongestHolder];
    const ssize_t length = ::pread(descriptor, text, sizeof text, 0);
    std::string_view line(text, length > 0 ? static_cast<std::size_t>(length) : 0);
    if (line.empty() || line.back() != '\n')
        return;
    line.remove_suffix(1);
    const std::size_t space = line.rfind(' ');
    if (space == std::string_view::npos || space == 0 || space + 1 == line.size()
        || line.find_first_not_of("0123456789", space + 1) != std::string_view::npos
        || line.find('\n') != std::string_view::npos || !running(line.substr(space + 1)))
        return;
    refusal.holder = line.substr(0, space);
    refusal.process = line.substr(space + 1);
}

} // namespace

SenderLock::Places SenderLock::Places::of(const IMidiService& service)
{
    return {service.sharedLockFolder(), DeviceRecord::defaultFolder()};
}

std::string SenderLock::Places::lockFile(const MidiPortIdentity& device) const
{
    const std::string name = DeviceRecord::fileName(device, ".lock");
    if (openToEveryone(shared))
        return shared + "/zylox-" + name;
    return own.empty() ? std::string() : own + "/" + name;
}

SenderLock::Taken SenderLock::take(const MidiPortIdentity& device, const std::string& program, const Places& places)
{
    const std::string path = places.lockFile(device);
    if (path.empty())
        return {std::unique_ptr<SenderLock>(new SenderLock(-1)), {}};
    const auto unwritable = [&path](FileFailure cause) {
        return Taken{nullptr,
                     {.kind = Refusal::Kind::Unwritable, .unwritable = {RecordFailure::Subject::Lock, path, cause}}};
    };
    const bool shared = openToEveryone(places.shared);
    if (!shared) {
        std::error_code error;
        std::filesystem::create_directories(places.own, error);
        if (error)
            return unwritable(FileFailure::fromErrno(error.value()));
    }
    const Opened opened = openLockFile(path, shared ? kEveryone : kOwner);
    if (opened.descriptor < 0)
        return unwritable(opened.failure);
    if (::flock(opened.descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        Taken refused = unwritable(FileFailure::fromErrno(why));
        if (why == EWOULDBLOCK) {
            refused.refusal = {.kind = Refusal::Kind::Busy, .device = device.displayName()};
            nameHolder(opened.descriptor, refused.refusal);
        }
        ::close(opened.descriptor);
        return refused;
    }
    // Without its line the lock still holds; whoever is refused then hears of another program.
    const std::string line = program + " " + std::to_string(::getpid()) + "\n";
    [[maybe_unused]] const bool named
        = opened.writable && ::ftruncate(opened.descriptor, 0) == 0
          && ::pwrite(opened.descriptor, line.data(), line.size(), 0) == static_cast<ssize_t>(line.size());
    return {std::unique_ptr<SenderLock>(new SenderLock(opened.descriptor)), {}};
}

Text SenderLock::Refusal::text() const
{
    switch (kind) {
    case Kind::None:
        break;
    case Kind::Unwritable:
        return unwritable.text();
    case Kind::Busy:
        if (holder.empty())
            return {ZYLOX_TR("SenderLock", "%1 is being sent to by another program"), {device}};
        //: The device, then the program sending to it and that program's process id
        return {ZYLOX_TR("SenderLock", "%1 is being sent to by %2, process %3"), {device, holder, process}};
    }
    return {};
}

SenderLock::~SenderLock()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}
