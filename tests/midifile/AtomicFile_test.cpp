#include "midifile/AtomicFile.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, TargetChangesOnlyOnCommit)
{
    ScratchFolder folder("atomic");
    const std::string target = folder.write("bank.mid", {'o', 'l', 'd'});
    {
        AtomicFile file(target);
        EXPECT_EQ(fs::path(file.temporaryPath()).parent_path(), folder.path());
        std::ofstream(file.temporaryPath()) << "new";
        EXPECT_EQ(ScratchFolder::read(target), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
        EXPECT_TRUE(file.commit());
    }
    EXPECT_EQ(ScratchFolder::read(target), (std::vector<std::uint8_t>{'n', 'e', 'w'}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
    // Not the private mode of a temporary: a new file gets what any new file in the folder gets.
    AtomicFile fresh(folder.file("new.mid"));
    std::ofstream(fresh.temporaryPath()) << "new";
    EXPECT_TRUE(fresh.commit());
    EXPECT_EQ(fs::status(folder.file("new.mid")).permissions(), fs::status(folder.write("plain", {})).permissions());
}

TEST(AtomicFile, LinksThatGoRoundAreRefusedBeforeAnythingIsWritten)
{
    ScratchFolder folder("atomic");
    fs::create_symlink("b.mid", folder.file("a.mid"));
    fs::create_symlink("a.mid", folder.file("b.mid"));
    errno = 0;
    const AtomicFile file(folder.file("a.mid"));
    EXPECT_EQ(file.temporaryPath(), "");
    EXPECT_EQ(errno, ELOOP);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

} // namespace
