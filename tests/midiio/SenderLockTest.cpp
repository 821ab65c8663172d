// One sender per device for everyone on the machine: the lock in the folder every user shares, in
// this process, across processes and across users.
#include "midiio/record/SenderLock.h"
#include "midiio/record/DeviceRecord.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The user with the fewest rights on the system.
constexpr uid_t kNobody = 65534;

// A sender in another process, of the user nobody where asked: it tries to take the lock, says
// what came of it and holds what it took until it is killed. Its waiting on a pipe that only this
// process's end closes keeps it from outliving the test.
class OtherSender {
public:
    OtherSender(const MidiPortIdentity& device, const SenderLock::Places& places, bool asNobody)
    {
        int ready[2];
        int hold[2];
        if (::pipe(ready) != 0 || ::pipe(hold) != 0)
            return;
        m_process = ::fork();
        if (m_process == 0) {
            ::close(hold[1]);
            const bool become = !asNobody || (::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
            const SenderLock::Taken taken
                = become ? SenderLock::take(device, "zylox-editor", places) : SenderLock::Taken{};
            const std::string said = !become ? "not nobody" : taken.lock ? "held" : taken.refusal.describe();
            char never = 0;
            if (::write(ready[1], said.data(), said.size()) < 0 || ::close(ready[1]) != 0
                || ::read(hold[0], &never, 1) < 0)
                ::_exit(1);
            ::_exit(0); // no destructor releases the lock
        }
        ::close(ready[1]);
        ::close(hold[0]);
        m_hold = hold[1];
        char text[512];
        for (ssize_t length; (length = ::read(ready[0], text, sizeof text)) > 0;)
            m_said.append(text, static_cast<std::size_t>(length));
        ::close(ready[0]);
    }
    ~OtherSender() { end(); }

    void end()
    {
        if (m_process <= 0)
            return;
        ::kill(m_process, SIGKILL);
        ::close(m_hold);
        ::waitpid(m_process, nullptr, 0);
        m_process = 0;
    }
    const std::string& said() const { return m_said; }
    std::string process() const { return std::to_string(m_process); }

private:
    pid_t m_process = -1;
    int m_hold = -1;
    std::string m_said;
};

class SenderLockTest : public testing::Test {
protected:
    SenderLockTest()
    {
        // As /run/lock is: sticky and open to everyone, below folders everyone may pass.
        fs::permissions(scratch.path(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        fs::create_directory(places.shared);
        fs::permissions(places.shared, fs::perms::all | fs::perms::sticky_bit);
    }
    SenderLock::Taken take(const std::string& program = "zylox-editor") const
    {
        return SenderLock::take(usb, program, places);
    }
    std::string lockFile() const { return places.lockFile(usb); }

    ScratchFolder scratch{"zylox-sender-lock"};
    SenderLock::Places places{scratch.file("lock"), scratch.file("state")};
    MidiPortIdentity usb{"UM-ONE", "UM-ONE MIDI 1"};
    MidiPortIdentity other{"Other", "Other MIDI 1"};
    const std::string busy = "UM-ONE:UM-ONE MIDI 1 is being sent to by ";
    const std::string me = std::to_string(::getpid());
};

TEST_F(SenderLockTest, OneSenderPerDeviceUntilItLetsGo)
{
    SenderLock::Taken first = take("zylox");
    ASSERT_NE(first.lock, nullptr);
    EXPECT_EQ(first.refusal.describe(), "");
    EXPECT_EQ(fs::path(lockFile()).parent_path(), places.shared);

    // Another sender in the same process is refused too, and told who holds the device.
    const SenderLock::Taken second = take();
    EXPECT_EQ(second.lock, nullptr);
    EXPECT_EQ(second.refusal.describe(), busy + "zylox, process " + me);
    EXPECT_NE(SenderLock::take(other, "zylox-editor", places).lock, nullptr);

    first.lock.reset();
    EXPECT_NE(take().lock, nullptr);

    // With nowhere to keep a lock there is nothing to refuse.
    const SenderLock::Places nowhere;
    EXPECT_EQ(nowhere.lockFile(usb), "");
    const SenderLock::Taken unlocked = SenderLock::take(usb, "zylox", nowhere);
    EXPECT_NE(unlocked.lock, nullptr);
    EXPECT_NE(SenderLock::take(usb, "zylox", nowhere).lock, nullptr);
}

// Root's sender and the user's keep their records in folders of their own; one without HOME has
// none at all. They meet in the shared folder all the same; only where that is no folder open to
// everyone does each user's own folder hold the lock.
TEST_F(SenderLockTest, SendersWithOtherOwnFoldersOrNoneMeetInTheSharedFolder)
{
    const SenderLock::Taken user = take("zylox-editor");
    ASSERT_NE(user.lock, nullptr);
    for (const std::string& own : {scratch.file("root-state"), std::string()}) {
        SCOPED_TRACE(own);
        EXPECT_EQ(SenderLock::take(usb, "zylox", {places.shared, own}).refusal.describe(),
                  busy + "zylox-editor, process " + me);
    }

    const std::string plain = scratch.file("plain");
    fs::create_directory(plain);
    fs::permissions(plain, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    for (const std::string& shared : {scratch.file("missing"), plain, std::string()}) {
        SCOPED_TRACE(shared);
        const SenderLock::Places fallback{shared, scratch.file("state")};
        EXPECT_EQ(fallback.lockFile(usb), scratch.file("state/") + DeviceRecord::fileName(usb, ".lock"));
        const SenderLock::Taken own = SenderLock::take(usb, "zylox", fallback);
        EXPECT_NE(own.lock, nullptr);
        EXPECT_EQ(SenderLock::take(usb, "zylox", fallback).refusal.describe(), busy + "zylox, process " + me);
    }
}

TEST_F(SenderLockTest, TheLockOfAProcessThatEndsIsFreeWhateverItsFileStillSays)
{
    OtherSender holder(usb, places, false);
    ASSERT_EQ(holder.said(), "held");
    EXPECT_EQ(take().refusal.describe(), busy + "zylox-editor, process " + holder.process());
    holder.end();
    const SenderLock::Taken after = take();
    EXPECT_NE(after.lock, nullptr);
    EXPECT_EQ(after.refusal.describe(), "");
}

// Made by root under the strictest umask, the lock is still everyone's: another user is refused
// while root sends, takes it afterwards and is named to root in turn.
TEST_F(SenderLockTest, ALockMadeByOneUserIsLockedAndNamedByAnother)
{
    const mode_t umask = ::umask(077);
    SenderLock::Taken root = take("zylox");
    ::umask(umask);
    ASSERT_NE(root.lock, nullptr);
    EXPECT_EQ(fs::status(lockFile()).permissions() & fs::perms::all, fs::perms(0666));
    if (::geteuid() != 0)
        return; // only root can run a sender as another user
    EXPECT_EQ(OtherSender(usb, places, true).said(), busy + "zylox, process " + me);
    root.lock.reset();
    const OtherSender nobody(usb, places, true);
    ASSERT_EQ(nobody.said(), "held");
    EXPECT_EQ(take("zylox").refusal.describe(), busy + "zylox-editor, process " + nobody.process());
}

TEST_F(SenderLockTest, AHolderWhoseLineIsMissingForeignOrGoneIsAnotherProgram)
{
    const SenderLock::Taken held = take("zylox");
    ASSERT_NE(held.lock, nullptr);
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    for (const std::string& line :
         {std::string(), std::string("zylox 12"), std::string("zylox\n"), std::string("zylox twelve\n"),
          std::string(" 12\n"), std::string(300, 'x') + " 1\n", "zylox " + std::to_string(gone) + "\n"}) {
        SCOPED_TRACE(line);
        std::ofstream(lockFile(), std::ios::trunc) << line;
        EXPECT_EQ(take().refusal.describe(), busy + "another program");
    }
    std::ofstream(lockFile(), std::ios::trunc) << "zylox editor " << me << "\n";
    EXPECT_EQ(take().refusal.describe(), busy + "zylox editor, process " + me);
}

// Anyone may put anything into the shared folder: what is not a regular file of one name is
// refused, says so and is left as it was; a FIFO holds nobody.
TEST_F(SenderLockTest, WhatStandsWhereTheLockGoesIsRefusedAndLeftAlone)
{
    const std::string precious = scratch.file("precious");
    std::ofstream(precious) << "keep me\n";
    const std::string file = lockFile();
    const std::string notRegular = "the device's lock " + file + " could not be opened (not a regular file)";
    const auto expectRefused = [&](const std::string& what, const std::string& why) {
        SCOPED_TRACE(what);
        const SenderLock::Taken taken = take();
        EXPECT_EQ(taken.lock, nullptr);
        EXPECT_EQ(taken.refusal.kind, SenderLock::Refusal::Kind::Unwritable);
        EXPECT_EQ(taken.refusal.describe(), why);
        fs::remove(file);
    };
    fs::create_symlink(precious, file);
    expectRefused("a link to a file", notRegular);
    fs::create_symlink(scratch.file("nothing"), file);
    expectRefused("a link to nothing", notRegular);
    EXPECT_FALSE(fs::exists(scratch.file("nothing")));
    ASSERT_EQ(::mkfifo(file.c_str(), 0666), 0);
    expectRefused("a FIFO", notRegular);
    fs::create_directory(file);
    expectRefused("a folder", notRegular);
    fs::create_hard_link(precious, file);
    expectRefused("a second name of a file", "the device's lock " + file + " could not be opened (Too many links)");
    std::ifstream kept(precious);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "keep me\n");

    // The user's own folder, where it must be made and cannot be, is named with the lock's file.
    std::ofstream(scratch.file("file")) << "not a folder";
    const SenderLock::Places blocked{"", scratch.file("file/state")};
    EXPECT_EQ(SenderLock::take(usb, "zylox", blocked).refusal.describe(),
              "the device's lock " + blocked.lockFile(usb) + " could not be opened (Not a directory)");
}

} // namespace
