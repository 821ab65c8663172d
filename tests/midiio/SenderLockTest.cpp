// One sender per device: the lock beside the device's record, in this process and across processes.
#include "midiio/DeviceRecord.h"
#include "midiio/SenderLock.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class SenderLockTest : public testing::Test {
protected:
    ScratchFolder scratch{"zylox-sender-lock"};
    DeviceRecord usb{scratch.file("state"), {"UM-ONE", "UM-ONE MIDI 1"}};
    DeviceRecord other{scratch.file("state"), {"Other", "Other MIDI 1"}};
    const std::string busy = "UM-ONE:UM-ONE MIDI 1 is being sent to by ";
};

TEST_F(SenderLockTest, OneSenderPerDeviceUntilItLetsGo)
{
    SenderLock::Taken first = SenderLock::take(usb, "zylox");
    ASSERT_NE(first.lock, nullptr);
    EXPECT_EQ(first.refusal.describe(), "");

    // Another sender in the same process is refused too, and told who holds the device.
    const SenderLock::Taken second = SenderLock::take(DeviceRecord(usb.folder(), usb.device()), "zylox-editor");
    EXPECT_EQ(second.lock, nullptr);
    EXPECT_EQ(second.refusal.describe(), busy + "zylox, process " + std::to_string(getpid()));
    EXPECT_NE(SenderLock::take(other, "zylox-editor").lock, nullptr);

    first.lock.reset();
    EXPECT_NE(SenderLock::take(usb, "zylox-editor").lock, nullptr);
    // The record itself is not disturbed by its lock.
    EXPECT_TRUE(usb.remember(3, 7));
    EXPECT_EQ(DeviceRecord(usb.folder(), usb.device()).at(3), 7u);

    // Without a folder there is no file to lock, and nothing to refuse.
    const SenderLock::Taken unlocked = SenderLock::take(DeviceRecord("", usb.device()), "zylox");
    EXPECT_NE(unlocked.lock, nullptr);
    EXPECT_NE(SenderLock::take(DeviceRecord("", usb.device()), "zylox").lock, nullptr);
}

TEST_F(SenderLockTest, TheLockOfAProcessThatEndsIsFreeWhateverItsFileStillSays)
{
    // The child tells when it holds the lock, then waits on a pipe that only this process's end
    // closes, so it never outlives the test.
    int ready[2];
    int hold[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(hold), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(hold[1]);
        const SenderLock::Taken taken = SenderLock::take(usb, "zylox");
        const char held = taken.lock ? 'y' : 'n';
        char never = 0;
        if (write(ready[1], &held, 1) == 1 && read(hold[0], &never, 1) < 0)
            _exit(1);
        _exit(0); // no destructor releases the lock
    }
    close(ready[1]);
    close(hold[0]);
    char held = 0;
    const ssize_t told = read(ready[0], &held, 1);
    close(ready[0]);

    const SenderLock::Taken refused = SenderLock::take(usb, "zylox-editor");

    kill(child, SIGKILL);
    close(hold[1]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(told, 1);
    ASSERT_EQ(held, 'y');
    EXPECT_EQ(refused.lock, nullptr);
    EXPECT_EQ(refused.refusal.describe(), busy + "zylox, process " + std::to_string(child));
    const SenderLock::Taken after = SenderLock::take(usb, "zylox-editor");
    EXPECT_NE(after.lock, nullptr);
    EXPECT_EQ(after.refusal.describe(), "");
}

TEST_F(SenderLockTest, AHolderWhoseLineIsMissingOrForeignIsAnotherProgram)
{
    const SenderLock::Taken held = SenderLock::take(usb, "zylox");
    ASSERT_NE(held.lock, nullptr);
    for (const std::string& line : {std::string(), std::string("zylox 12"), std::string("zylox\n"),
                                    std::string("zylox twelve\n"), std::string(" 12\n"), std::string(300, 'x') + " 1\n"}) {
        SCOPED_TRACE(line);
        std::ofstream(usb.lockPath(), std::ios::trunc) << line;
        EXPECT_EQ(SenderLock::take(usb, "zylox-editor").refusal.describe(), busy + "another program");
    }
    std::ofstream(usb.lockPath(), std::ios::trunc) << "zylox editor 99\n";
    EXPECT_EQ(SenderLock::take(usb, "zylox-editor").refusal.describe(), busy + "zylox editor, process 99");
}

} // namespace
