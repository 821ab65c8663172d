// zylox's bank-file side: --in, save and rename, run as a user would.
#include "tests/midifile/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Outcome {
    int status;
    std::vector<std::string> out;
    std::string err;
};

std::vector<std::string> linesOf(const Bytes& bytes)
{
    std::vector<std::string> lines;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class ZyloxBankFileTest : public ::testing::Test {
protected:
    // Runs zylox in the scratch folder with the given arguments (shell words).
    Outcome zylox(const std::string& arguments)
    {
        const std::string command = "cd " + m_folder.path().string() + " && " + ZYLOX_PROGRAM + " " + arguments
                                    + " >../" + outName() + " 2>../" + errName();
        const int raw = std::system(command.c_str());
        const std::filesystem::path parent = m_folder.path().parent_path();
        const Bytes err = ScratchFolder::read((parent / errName()).string());
        Outcome run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, linesOf(ScratchFolder::read((parent / outName()).string())),
                std::string(err.begin(), err.end())};
        std::filesystem::remove(parent / outName());
        std::filesystem::remove(parent / errName());
        return run;
    }

    Bytes read(const std::string& name) const { return ScratchFolder::read(m_folder.file(name)); }
    bool exists(const std::string& name) const { return std::filesystem::exists(m_folder.file(name)); }

    ScratchFolder m_folder{"zylox-bankfile"};

private:
    std::string outName() const { return m_folder.path().filename().string() + ".out"; }
    std::string errName() const { return m_folder.path().filename().string() + ".err"; }
};

Bytes headerWords(const Bytes& file)
{
    return {file.begin() + 8, file.begin() + 14};
}

TEST_F(ZyloxBankFileTest, SaveOneBankAndAllBanks)
{
    ASSERT_EQ(zylox("save --bank 4 -o s05.mid").status, 0);
    const Bytes one = read("s05.mid");
    ASSERT_EQ(one.size(), 262295u);
    EXPECT_EQ(headerWords(one), (Bytes{0, 0, 0, 1, 0, 24}));
    EXPECT_EQ(Bytes(one.begin() + 22, one.begin() + 29), (Bytes{0x00, 0xFF, 0x03, 0x03, 'S', '0', '5'}));

    ASSERT_EQ(zylox("save --all -o all.mid").status, 0);
    EXPECT_EQ(headerWords(read("all.mid")), (Bytes{0, 1, 0, 32, 0, 24}));
    ASSERT_EQ(zylox("save --all --in all.mid -o again.mid").status, 0);
    EXPECT_EQ(read("again.mid"), read("all.mid"));
    ASSERT_EQ(zylox("save --bank 4 --in s05.mid -o s05-again.mid").status, 0);
    EXPECT_EQ(read("s05-again.mid"), one);
}

TEST_F(ZyloxBankFileTest, OneBankFileReplacesTheRowOfItsBank)
{
    ASSERT_EQ(zylox("rename --bank 4 'Dry Kit' -o s05.mid").status, 0);
    ASSERT_EQ(zylox("rename --bank 4 --slot 2 'My Clap' --in s05.mid -o s05b.mid").status, 0);
    const Outcome factory = zylox("info");
    const Outcome opened = zylox("info --in s05b.mid");
    ASSERT_EQ(opened.status, 0) << opened.err;
    ASSERT_EQ(opened.out.size(), 32u);
    EXPECT_EQ(opened.out[4], "4\t4\tDry Kit\tOPEN HI HAT\tOPEN HI HAT\t24576\tCLOSED HI HAT\tCLOSED HI HAT\t8192"
                             "\tCLAP\tMy Clap\t24576\tRIM SHOT\tRIM SHOT\t8192\tCRASH\tCRASH\t32768\tRIDE\tRIDE\t32768");
    for (std::size_t row = 0; row < 32; ++row) {
        if (row != 4) {
            EXPECT_EQ(opened.out[row], factory.out[row]) << row;
        }
    }

    ASSERT_EQ(zylox("rename --bank 31 --slot 1 'OS 2' -o firmware.mid").status, 0);
    const Outcome firmware = zylox("info --in firmware.mid");
    ASSERT_EQ(firmware.status, 0);
    EXPECT_EQ(firmware.out[31], "31\t31\tFIRMWARE - factory -\tPRESETS\tPRESETS\t130950\tOS\tOS 2\t114182");
    EXPECT_EQ(firmware.out[4], factory.out[4]);
}

TEST_F(ZyloxBankFileTest, RenameWithAllWritesEveryBank)
{
    ASSERT_EQ(zylox("rename --bank 30 Last --all -o all.mid").status, 0);
    EXPECT_EQ(headerWords(read("all.mid")), (Bytes{0, 1, 0, 32, 0, 24}));
    const Outcome opened = zylox("info --in all.mid");
    ASSERT_EQ(opened.status, 0);
    EXPECT_TRUE(opened.out[30].starts_with("30\t30\tLast\t"));
}

TEST_F(ZyloxBankFileTest, MalformedFilesFailWithOneLineAndWriteNothing)
{
    ASSERT_EQ(zylox("save --bank 4 -o s05.mid").status, 0);
    const Bytes whole = read("s05.mid");
    Bytes interrupted = whole;
    interrupted[1] = 'I', interrupted[2] = 'D', interrupted[3] = 'I';
    const std::vector<Bytes> malformed{
        {},
        {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 24, 'M', 'T', 'r', 'k', 0, 0, 0, 0, 0x00, 0xFF, 0x03, 0xFF, 0xFF, 0xFF, 0x7F},
        {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 24, 'M', 'T', 'r', 'k', 0, 0, 0, 0, 0x80, 0x80, 0x80, 0x80, 0x00},
        Bytes(whole.begin(), whole.begin() + 200000),
        interrupted,
    };
    m_folder.write("out.mid", {'o', 'l', 'd'});
    for (std::size_t i = 0; i < malformed.size(); ++i) {
        m_folder.write("bad.mid", malformed[i]);
        for (const char* command : {"info --in bad.mid", "save --all --in bad.mid -o out.mid",
                                           "rename --bank 2 X --in bad.mid -o out.mid"}) {
            const Outcome run = zylox(command);
            EXPECT_EQ(run.status, 1) << i << ' ' << command;
            EXPECT_EQ(run.err, "zylox: bad.mid: Wrong File Format\n") << i << ' ' << command;
            EXPECT_TRUE(run.out.empty()) << i << ' ' << command;
        }
    }
    EXPECT_EQ(read("out.mid"), (Bytes{'o', 'l', 'd'}));

    const Outcome missing = zylox("info --in missing.mid");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "zylox: missing.mid: No such file or directory\n");
}

TEST_F(ZyloxBankFileTest, UnwritableOutputFailsWithOneLine)
{
    const Outcome run = zylox("save --bank 4 -o missing/s05.mid");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zylox: missing/s05.mid: No such file or directory\n");
    EXPECT_FALSE(exists("missing"));
}

TEST_F(ZyloxBankFileTest, WrongCommandLinesExitWithTwo)
{
    for (const char* command : {"save -o x.mid", "save --bank 4 --all -o x.mid", "save --bank 32 -o x.mid",
                                       "save --bank 4", "rename --bank 4 -o x.mid", "rename --bank 4 --slot 6 X -o x.mid",
                                       "rename --bank 31 --slot 2 X -o x.mid", "info --in"}) {
        const Outcome run = zylox(command);
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_FALSE(run.err.empty()) << command;
    }
    EXPECT_FALSE(exists("x.mid"));
}

} // namespace
