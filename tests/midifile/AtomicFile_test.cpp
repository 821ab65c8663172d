#include "midifile/AtomicFile.h"
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string contentsOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("atomic-" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        m_target = m_folder / "bank.mid";
        std::ofstream(m_target) << "old";
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::size_t filesInFolder() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()));
    }

    fs::path m_folder;
    fs::path m_target;
};

TEST_F(AtomicFileTest, TargetChangesOnlyOnCommit)
{
    {
        AtomicFile file(m_target.string());
        ASSERT_FALSE(file.temporaryPath().empty());
        EXPECT_EQ(fs::path(file.temporaryPath()).parent_path(), m_folder);
        std::ofstream(file.temporaryPath()) << "new";
        EXPECT_EQ(contentsOf(m_target), "old");
        EXPECT_TRUE(file.commit());
    }
    EXPECT_EQ(contentsOf(m_target), "new");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(AtomicFileTest, AbandonedWriteLeavesTargetAndNoTemporary)
{
    {
        AtomicFile file(m_target.string());
        std::ofstream(file.temporaryPath()) << "half";
    }
    EXPECT_EQ(contentsOf(m_target), "old");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(AtomicFileTest, MissingFolderFailsWithoutCreatingAnything)
{
    AtomicFile file((m_folder / "missing" / "bank.mid").string());
    EXPECT_TRUE(file.temporaryPath().empty());
    EXPECT_FALSE(file.commit());
    EXPECT_FALSE(fs::exists(m_folder / "missing"));
}

} // namespace
