#include "midifile/AtomicFile.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

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
    // Not the private mode of a temporary: what any new file in the folder gets.
    EXPECT_EQ(fs::status(target).permissions(), fs::status(folder.write("plain", {})).permissions());
}

} // namespace
