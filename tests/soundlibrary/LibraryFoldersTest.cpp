// The list of library folders: what the user added comes back after a restart, byte for byte,
// and a folder that would leave the library unclear is refused with the reason, the file untouched.
#include "tests/support/ScratchFolder.h"

#include "soundlibrary/LibraryFolders.h"
#include "soundlibrary/LibraryLocation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace soundlibrary;
using Kind = LibraryFoldersFailure::Kind;

namespace {

class LibraryFoldersTest : public ::testing::Test {
protected:
    std::string listPath() const { return m_scratch.file("config/zylox/library-folders"); }
    // A folder made on the disk, by its canonical path.
    std::string folder(const std::string& relative) const
    {
        const std::filesystem::path made = m_scratch.path() / "sounds" / relative;
        std::filesystem::create_directories(made);
        return std::filesystem::canonical(made).string();
    }
    std::vector<std::uint8_t> listBytes() const { return ScratchFolder::read(listPath()); }

    ScratchFolder m_scratch{"library-folders"};
};

} // namespace

// Names of any bytes a folder name may hold, UTF-8 or not: each comes back after a restart as the
// same bytes, in the order added.
TEST_F(LibraryFoldersTest, AnyNameComesBackByteForByteAfterARestart)
{
    std::mt19937 random(515);
    std::vector<std::string> added;
    LibraryFolders list = LibraryFolders::load(listPath());
    EXPECT_FALSE(list.failure()) << "no file yet is an empty list";
    EXPECT_TRUE(list.folders().empty());
    for (int round = 0; round < 40; ++round) {
        std::string name = std::to_string(round) + " ";
        const int length = std::uniform_int_distribution<int>(1, 30)(random);
        for (int at = 0; at < length; ++at) {
            const auto byte = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random));
            if (byte != '/' && byte != '\n')
                name += byte;
        }
        const std::string made = folder(name);
        ASSERT_FALSE(list.add(made)) << made;
        added.push_back(made);
    }
    EXPECT_EQ(list.folders(), added);
    EXPECT_EQ(LibraryFolders::load(listPath()).folders(), added);
}

// A relative path, "..", a trailing slash and a link all name the folder itself: it is listed once,
// canonical, and any of those names removes it.
TEST_F(LibraryFoldersTest, AFolderIsListedByItsCanonicalPathAndRemovedByAnyOfItsNames)
{
    const std::string kicks = folder("Kicks");
    folder("Snares");
    const std::filesystem::path link = m_scratch.path() / "link to kicks";
    std::filesystem::create_directory_symlink(kicks, link);
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(m_scratch.path() / "sounds");
    LibraryFolders list = LibraryFolders::load(listPath());
    const LibraryFoldersFailure added = list.add("Snares/../Kicks/");
    std::filesystem::current_path(working);
    ASSERT_FALSE(added) << added.text().english();
    EXPECT_EQ(list.folders(), std::vector<std::string>{kicks});
    EXPECT_EQ(list.add(link.string()).kind, Kind::Listed);

    for (const std::string& name : {link.string(), kicks + "/", kicks}) {
        ASSERT_FALSE(list.remove(name)) << name;
        EXPECT_TRUE(LibraryFolders::load(listPath()).folders().empty()) << name;
        ASSERT_FALSE(list.add(kicks)) << name;
    }
    // A folder gone from the disk is still removed by its listed path.
    std::filesystem::remove_all(kicks);
    EXPECT_FALSE(list.remove(kicks));
    EXPECT_TRUE(list.folders().empty());
}

// Each refusal names the folder (and the library folder it clashes with), and leaves the list and
// its file as they were.
TEST_F(LibraryFoldersTest, AFolderThatWouldLeaveTheLibraryUnclearIsRefusedAndTheFileKept)
{
    const std::string drums = folder("Drums");
    const std::string claps = folder("Drums/Claps");
    const std::string broken = folder("line\nbreak");
    const std::string other = folder("Drumsets");
    std::ofstream(m_scratch.file("sounds/kick.wav")) << "RIFF";
    LibraryFolders list = LibraryFolders::load(listPath());
    ASSERT_FALSE(list.add(claps));
    const std::vector<std::uint8_t> before = listBytes();

    struct Case {
        std::string folder;
        Kind kind;
        std::string listed;
    };
    const std::vector<Case> cases{
        {m_scratch.file("sounds/no such folder"), Kind::Missing, ""},
        {m_scratch.file("sounds/kick.wav"), Kind::NotAFolder, ""},
        {m_scratch.file("sounds/kick.wav/inside"), Kind::Missing, ""},
        {broken, Kind::LineBreak, ""},
        {claps, Kind::Listed, ""},
        {claps + "/../Claps", Kind::Listed, ""},
        {folder("Drums/Claps/Bright"), Kind::InsideListed, claps},
        {drums, Kind::HoldsListed, claps},
    };
    for (const Case& refused : cases) {
        const LibraryFoldersFailure failure = list.add(refused.folder);
        EXPECT_EQ(failure.kind, refused.kind) << refused.folder;
        EXPECT_EQ(failure.listed, refused.listed);
        const std::string english = failure.text().english();
        EXPECT_NE(english.find(refused.kind == Kind::Missing || refused.kind == Kind::NotAFolder
                                   ? refused.folder
                                   : std::filesystem::canonical(refused.folder).string()),
                  std::string::npos)
            << english;
        EXPECT_EQ(list.folders(), std::vector<std::string>{claps});
        EXPECT_EQ(listBytes(), before) << refused.folder;
    }
    const LibraryFoldersFailure notListed = list.remove(drums);
    EXPECT_EQ(notListed.kind, Kind::NotListed);
    EXPECT_EQ(notListed.text().english(), "the folder " + drums + " is not in the library");
    // A name that begins as a listed one does but is another folder is not inside it.
    EXPECT_FALSE(list.add(other));
}

// Two programs change the list one after the other, each from what it read before the other's
// change: both changes are kept.
TEST_F(LibraryFoldersTest, EachChangeKeepsTheOtherProgramsChanges)
{
    LibraryFolders editor = LibraryFolders::load(listPath());
    LibraryFolders tool = LibraryFolders::load(listPath());
    const std::string kicks = folder("Kicks");
    const std::string snares = folder("Snares");
    ASSERT_FALSE(editor.add(kicks));
    ASSERT_FALSE(tool.add(snares));
    EXPECT_EQ(tool.folders(), (std::vector<std::string>{kicks, snares}));
    ASSERT_FALSE(editor.remove(snares));
    tool.reload();
    EXPECT_EQ(tool.folders(), std::vector<std::string>{kicks});
    EXPECT_EQ(tool.add(kicks).kind, Kind::Listed);
}

// A list it cannot read is never written over; lines a user wrote that are no absolute paths are
// passed over.
TEST_F(LibraryFoldersTest, AListItCannotReadIsNeverWrittenOver)
{
    const std::string kicks = folder("Kicks");
    std::filesystem::create_directories(std::filesystem::path(listPath()).parent_path());
    std::ofstream(listPath()) << "# my drums\n\n" << kicks << "\nrelative/path\n" << kicks << "\n/no/newline/at/end";
    EXPECT_EQ(LibraryFolders::load(listPath()).folders(), (std::vector<std::string>{kicks, "/no/newline/at/end"}));

    std::ofstream(listPath()) << std::string(LibraryFolders::kLargestFile + 1, '/');
    const std::vector<std::uint8_t> large = listBytes();
    LibraryFolders tooLarge = LibraryFolders::load(listPath());
    EXPECT_EQ(tooLarge.failure().kind, Kind::ListTooLarge);
    EXPECT_EQ(tooLarge.add(kicks).kind, Kind::ListTooLarge);
    EXPECT_EQ(listBytes(), large);

    std::filesystem::remove(listPath());
    std::filesystem::create_directory(listPath());
    LibraryFolders aFolder = LibraryFolders::load(listPath());
    EXPECT_EQ(aFolder.failure().kind, Kind::ListUnreadable);
    EXPECT_NE(aFolder.failure().text().english().find("could not be read (Is a directory)"), std::string::npos);
    EXPECT_EQ(aFolder.remove(kicks).kind, Kind::ListUnreadable);
    EXPECT_TRUE(std::filesystem::is_directory(listPath()));

    // The folder the list goes in is a file: the add fails as a fact and the list stays as it was.
    const std::string blocked = m_scratch.file("blocked");
    std::ofstream(blocked) << "a file";
    LibraryFolders unwritable = LibraryFolders::load(blocked + "/zylox/library-folders");
    const LibraryFoldersFailure failure = unwritable.add(kicks);
    EXPECT_EQ(failure.kind, Kind::ListUnwritable);
    EXPECT_NE(failure.text().english().find("could not be written (Not a directory)"), std::string::npos);
    EXPECT_TRUE(unwritable.folders().empty());

    LibraryFolders homeless = LibraryFolders::load("");
    EXPECT_EQ(homeless.add(kicks).kind, Kind::NoHome);
}

TEST_F(LibraryFoldersTest, LivesInTheUsersConfiguration)
{
    EXPECT_EQ(libraryFoldersPath("/c", "/h"), "/c/zylox/library-folders");
    EXPECT_EQ(libraryFoldersPath(nullptr, "/h"), "/h/.config/zylox/library-folders");
    EXPECT_EQ(libraryFoldersPath("relative", "/h"), "/h/.config/zylox/library-folders");
    EXPECT_EQ(libraryFoldersPath(nullptr, nullptr), "");
}
