// zylox's sound library as a user meets it: folders added and listed, the index made, sounds found
// by their words and by what fits a slot, and the path found handed straight to an import.
#include "tests/cli/ZyloxFixture.h"

#include <string>

namespace {

class ZyloxLibraryTest : public ZyloxTest {
protected:
    // A folder of drum sounds as sox makes them: a short kick, a long clap, a name that is not UTF-8.
    void makeSounds()
    {
        ASSERT_EQ(run("mkdir -p Drums/Kicks Drums/Claps && " + kSox
                      + " -n -r 44.1k -b 16 'Drums/Kicks/deep kick 01.wav' synth 0.2 sine 60 && " + kSox
                      + " -n -r 48k -c 2 -b 16 'Drums/Claps/bright clap 03.wav' synth 0.6 pinknoise && "
                        "cp 'Drums/Kicks/deep kick 01.wav' \"$(printf 'Drums/Kicks/caf\\351 kick.wav')\""),
                  0)
            << m_err;
    }
    std::string drums() const { return std::filesystem::canonical(m_folder.file("Drums")).string(); }
};

} // namespace

TEST_F(ZyloxLibraryTest, WithoutFoldersOrAnIndexFindSaysHowToMakeOne)
{
    const std::string howTo = "add a folder of sounds with \"zylox library add FOLDER\", then index it with \"zylox "
                              "library rescan\"\n";
    EXPECT_EQ(zylox("find kick"), 1);
    EXPECT_EQ(m_out, "");
    EXPECT_EQ(m_err, "zylox: find: the sound library has no index yet: " + howTo);
    EXPECT_EQ(zylox("library list"), 0);
    EXPECT_EQ(m_err, "zylox: the sound library has no folders: " + howTo);
    EXPECT_EQ(zylox("library rescan"), 1);
    EXPECT_FALSE(exists("cache/zylox/library.sqlite")) << "nothing to index, nothing made";
    EXPECT_EQ(zylox("find kick --fits S05:9"), 2);
    EXPECT_EQ(zylox("find kick --fits FW:0"), 2);
    EXPECT_EQ(zylox("find kick --max-length 0"), 2);
}

TEST_F(ZyloxLibraryTest, FoldersAreIndexedFoundAndTheFirstFoundGoesIntoASlot)
{
    makeSounds();
    ASSERT_EQ(zylox("library add Drums"), 0) << m_err;
    EXPECT_EQ(m_out, drums() + "\n");
    EXPECT_EQ(zylox("library add Drums/Kicks"), 1);
    EXPECT_EQ(m_err,
              "zylox: the folder " + drums() + "/Kicks is already in the library, inside its folder " + drums() + "\n");
    ASSERT_EQ(zylox("library list"), 0);
    EXPECT_EQ(m_out, drums() + "\n");

    ASSERT_EQ(zylox("library rescan"), 0) << m_err;
    EXPECT_EQ(m_out, "Sound library: 3 files, 3 new, 0 changed, 0 removed; 1 name not UTF-8\n1 name not UTF-8\n");

    // The name that is not UTF-8 comes out as its own bytes, so that $(...) opens it.
    ASSERT_EQ(zylox("find kick"), 0) << m_err;
    EXPECT_EQ(rows(),
              (std::vector<std::string>{drums() + "/Kicks/caf\xe9 kick.wav", drums() + "/Kicks/deep kick 01.wav"}));
    // The clap is 0.6 s: no slot of 0.25 s holds it, a crash's 0.99 s does.
    ASSERT_EQ(zylox("find '' --fits S05:1"), 0);
    EXPECT_EQ(rows().size(), 2U);
    ASSERT_EQ(zylox("find clap --fits S05:crash --folder Drums/Claps"), 0);
    EXPECT_EQ(rows(), std::vector<std::string>{drums() + "/Claps/bright clap 03.wav"});
    EXPECT_EQ(zylox("find clap --max-length 0.5"), 0);
    EXPECT_EQ(m_out, "");
    EXPECT_EQ(m_err, "zylox: find: no sound file of the library matches\n");

    ASSERT_EQ(zylox("find caf --json"), 0);
    EXPECT_EQ(m_out.substr(0, 12 + drums().size()), "[\n{\"path\": \"" + drums());
    EXPECT_NE(m_out.find("/Kicks/caf\\udce9 kick.wav\", \"length\": 0.2, \"lead_in\": "), std::string::npos) << m_out;
    EXPECT_NE(m_out.find("\"rate\": 44100, \"channels\": 1, \"format\": \"wav\"}\n]\n"), std::string::npos) << m_out;

    ASSERT_EQ(run(std::string(ZYLOX_PROGRAM) + " import --bank S05 --slot 1 \"$(" + ZYLOX_PROGRAM
                  + " find 'deep kick' --fits S05:1 | head -1)\" -o kit.mid"),
              0)
        << m_err;
    EXPECT_EQ(m_out.rfind("S05 slot 1 CLOSED HI HAT: deep kick 01.wav", 0), 0U) << m_out;

    // A folder removed is no longer searched, before any rescan.
    ASSERT_EQ(zylox("library remove Drums/"), 0) << m_err;
    EXPECT_EQ(m_out, drums() + "\n");
    EXPECT_EQ(zylox("find kick"), 1);
}

// The index damaged on the disk: find says it was set aside and where, and that a rescan fills the
// new one. That it is set aside and a fresh one made is LibraryDatabaseTest.AFileItCannotUseIsSetAside...'s,
// and a rescan into a fresh index FoldersAreIndexedFound...'s.
TEST_F(ZyloxLibraryTest, ADamagedIndexIsSetAsideAndFindSaysARescanFillsTheNewOne)
{
    makeSounds();
    ASSERT_EQ(zylox("library add Drums && " + std::string(ZYLOX_PROGRAM) + " library rescan"), 0) << m_err;
    ASSERT_EQ(run("head -c 8192 /dev/urandom > cache/zylox/library.sqlite && rm -f cache/zylox/library.sqlite-*"), 0);
    EXPECT_EQ(zylox("find kick"), 1);
    EXPECT_EQ(m_out, "");
    const std::string aside = m_folder.file("cache/zylox/library.sqlite.damaged-");
    EXPECT_EQ(
        m_err.rfind(
            "zylox: The sound library's index was damaged and is being made anew; the old file is kept as " + aside, 0),
        0U)
        << m_err;
    EXPECT_NE(
        m_err.find("\nzylox: find: the new index holds no sounds until \"zylox library rescan\" has indexed them\n"),
        std::string::npos)
        << m_err;
}
