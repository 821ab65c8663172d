// A save through a temporary that replaces its target on commit. Elsewhere: the target changes only
// on commit and nothing stays beside it, at every point of a save (AtomicFileCrashTest.cpp).
#include "bytes/AtomicFile.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

std::size_t entries(const ScratchFolder& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()));
}

// A process id that surely belongs to no process: one that has just ended.
pid_t endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(AtomicFile, AnAbandonedSaveLeavesNothingAndANewFileGetsWhatAnyNewFileThereGets)
{
    ScratchFolder folder("atomic");
    const std::string target = folder.write("bank.mid", {'o', 'l', 'd'});
    {
        AtomicFile abandoned(target);
        std::ofstream(abandoned.temporaryPath()) << "never committed";
    }
    EXPECT_EQ(ScratchFolder::read(target), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(entries(folder), 1u);
    // Not the private mode of a temporary.
    AtomicFile fresh(folder.file("new.mid"));
    std::ofstream(fresh.temporaryPath()) << "new";
    EXPECT_TRUE(fresh.commit());
    EXPECT_EQ(fs::status(folder.file("new.mid")).permissions(), fs::status(folder.write("plain", {})).permissions());
}

// What the user set on a file stays: a link stays a link to the file saved, the mode carries over,
// and a file owned by another user stays theirs when root saves it, so their own next save works.
TEST(AtomicFile, ASaveThroughALinkKeepsTheLinkTheModeAndTheOwner)
{
    ScratchFolder folder("atomic");
    const std::string kit = folder.write("kit.mid", {'o', 'l', 'd'});
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(kit, mode);
    fs::create_symlink("kit.mid", folder.file("link.mid"));
    EXPECT_FALSE(AtomicFile::writeWhole(folder.file("link.mid"), std::vector<std::uint8_t>{'n', 'e', 'w'}));
    EXPECT_TRUE(fs::is_symlink(folder.file("link.mid")));
    EXPECT_EQ(ScratchFolder::read(kit), (std::vector<std::uint8_t>{'n', 'e', 'w'}));
    EXPECT_EQ(fs::status(kit).permissions(), mode);
    if (::geteuid() != 0)
        GTEST_SKIP() << "another user's file needs root";
    ASSERT_EQ(::chown(kit.c_str(), 65534, 65534), 0);
    EXPECT_FALSE(AtomicFile::writeWhole(kit, std::vector<std::uint8_t>{'r'}));
    struct stat status { };
    ASSERT_EQ(::stat(kit.c_str(), &status), 0);
    EXPECT_EQ(std::pair(status.st_uid, status.st_gid), std::pair(uid_t{65534}, gid_t{65534}));
}

// Refused before a temporary is made; a target that turns into one meanwhile is refused by the commit.
TEST(AtomicFile, LinksThatGoRoundAFifoOrAFolderAreRefusedBeforeAnythingIsWritten)
{
    ScratchFolder folder("atomic");
    fs::create_symlink("b.mid", folder.file("a.mid"));
    fs::create_symlink("a.mid", folder.file("b.mid"));
    ASSERT_EQ(::mkfifo(folder.file("fifo").c_str(), 0644), 0);
    fs::create_symlink("fifo", folder.file("link to fifo"));
    const std::pair<const char*, std::string> cases[] = {{"a.mid", std::strerror(ELOOP)},
                                                         {"fifo", "not a regular file"},
                                                         {"link to fifo", "not a regular file"},
                                                         {".", "not a regular file"}};
    for (const auto& [name, failure] : cases) {
        const AtomicFile file(folder.file(name));
        EXPECT_EQ(file.temporaryPath(), "") << name;
        EXPECT_EQ(file.failure().describe(), failure) << name;
    }
    EXPECT_EQ(entries(folder), 4u);
}

// The folder would let the rename through; the file's own permission says no. Root may write
// anything, so the save runs as nobody in a child; and root has a device node to be refused.
TEST(AtomicFile, AReadOnlyFileOrADeviceNodeIsRefusedAndKeptAsItIs)
{
    ScratchFolder folder("atomic");
    fs::permissions(folder.path(), fs::perms::all);
    const std::string locked = folder.write("locked.mid", {'o', 'l', 'd'});
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        const FileFailure refused = AtomicFile::writeWhole(locked, std::vector<std::uint8_t>{'n'});
        ::_exit(refused.describe() == std::strerror(EACCES) ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ScratchFolder::read(locked), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(entries(folder), 1u);
    if (::geteuid() != 0)
        GTEST_SKIP() << "device nodes need root";
    ASSERT_EQ(::mknod(folder.file("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
    EXPECT_EQ(AtomicFile::writeWhole(folder.file("null"), std::vector<std::uint8_t>{'n'}).describe(),
              "not a regular file");
    EXPECT_TRUE(fs::is_character_file(folder.file("null")));
}

TEST(AtomicFile, ASaveRemovesHiddenTemporariesOfEndedProcessesOnly)
{
    ScratchFolder folder("atomic");
    const std::string target = folder.write("bank.mid", {'o', 'l', 'd'});
    const std::string ended = ".bank.mid.zylox-" + std::to_string(endedProcess()) + ".tmp";
    const std::string running = ".bank.mid.zylox-" + std::to_string(::getppid()) + ".tmp";
    const std::string otherFile = ".kit.mid.zylox-" + std::to_string(endedProcess()) + ".tmp";
    for (const std::string& name : {ended, running, otherFile, std::string(".bank.mid.zylox-x.tmp")})
        folder.write(name, {'t'});
    AtomicFile file(target);
    std::ofstream(file.temporaryPath()) << "new";
    EXPECT_TRUE(file.commit());
    EXPECT_FALSE(fs::exists(folder.file(ended)));
    EXPECT_EQ(entries(folder), 4u);
}

// The temporary's hidden name adds to the target's: a name near the 255 bytes a file system takes
// could not be saved ("File name too long"), though the system takes it.
TEST(AtomicFile, ANameOfTheLongestAFileSystemTakesIsSaved)
{
    ScratchFolder folder("atomic");
    std::string accented;
    while (accented.size() < 250)
        accented += "\xC3\xA9";
    for (const std::string& name : {std::string(251, 'a') + ".mid", accented + ".mid", std::string(255, '\x80')}) {
        const std::string target = folder.write(name, {'o', 'l', 'd'});
        EXPECT_FALSE(AtomicFile::writeWhole(target, std::vector<std::uint8_t>{'n', 'e', 'w'})) << name.size();
        EXPECT_EQ(ScratchFolder::read(target), (std::vector<std::uint8_t>{'n', 'e', 'w'}));
    }
    EXPECT_EQ(entries(folder), 3u);
    // A save of another long name that starts the same keeps the running process's temporaries and
    // removes the ended one's.
    const std::string ended = "." + std::string(236, 'a') + ".zylox-" + std::to_string(endedProcess()) + ".tmp";
    const std::string running = "." + std::string(236, 'a') + ".zylox-" + std::to_string(::getppid()) + ".tmp";
    folder.write(ended, {'t'});
    folder.write(running, {'t'});
    EXPECT_FALSE(AtomicFile::writeWhole(folder.file(std::string(250, 'a')), std::vector<std::uint8_t>{'n'}));
    EXPECT_FALSE(fs::exists(folder.file(ended)));
    EXPECT_TRUE(fs::exists(folder.file(running)));
}

} // namespace
