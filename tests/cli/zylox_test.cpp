#include "tests/midifile/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Result {
    int status;
    std::string out;
    std::string err;
};

// Runs the built zylox with the given arguments (shell words), capturing both output streams.
Result zylox(const ScratchFolder& folder, const std::string& arguments)
{
    const std::string out = folder.file("stdout.txt");
    const std::string err = folder.file("stderr.txt");
    const std::string command = std::string(ZYLOX_PROGRAM) + " " + arguments + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    const Bytes outBytes = ScratchFolder::read(out);
    const Bytes errBytes = ScratchFolder::read(err);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, std::string(outBytes.begin(), outBytes.end()),
            std::string(errBytes.begin(), errBytes.end())};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

Bytes slice(const Bytes& bytes, std::size_t from, std::size_t count)
{
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

TEST(ZyloxInfo, ListsTheFactoryBanks)
{
    ScratchFolder folder("zylox-info");
    const Result result = zylox(folder, "info");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> rows = lines(result.out);
    ASSERT_EQ(rows.size(), 32u);
    EXPECT_EQ(rows[0], "0\t0\tS01 - factory -\tOPEN HI HAT\tOPEN HI HAT\t24576\tCLOSED HI HAT\tCLOSED HI HAT\t8192"
                       "\tCLAP\tCLAP\t24576\tRIM SHOT\tRIM SHOT\t8192\tCRASH\tCRASH\t32768\tRIDE\tRIDE\t32768");
    EXPECT_TRUE(rows[4].starts_with("4\t4\tS05\tOPEN HI HAT\t"));
    EXPECT_TRUE(rows[30].starts_with("30\t30\tS31\t"));
    EXPECT_EQ(rows[31], "31\t31\tFIRMWARE - factory -\tPRESETS\tPRESETS\t130950\tOS\tOS\t114182");
}

TEST(ZyloxDump, WritesTheFourMessagesBackToBack)
{
    ScratchFolder folder("zylox-dump");
    const std::string out = folder.file("d.syx");
    // An existing, longer file is replaced as a whole.
    folder.write("d.syx", Bytes(300000, 0x55));

    ASSERT_EQ(zylox(folder, "dump --bank 30 --channel 5 -o " + out).status, 0);
    const Bytes dump = ScratchFolder::read(out);
    ASSERT_EQ(dump.size(), 262168u);
    EXPECT_EQ(slice(dump, 0, 6), (Bytes{0xF0, 0x31, 0x0D, 0x79, 0x3C, 0xF7}));
    EXPECT_EQ(slice(dump, 6, 5), (Bytes{0xF0, 0x31, 0x7C, 0x38, 0x25}));
    EXPECT_EQ(dump[6 + 131077], 0xF7);
    EXPECT_EQ(slice(dump, 131084, 6), (Bytes{0xF0, 0x31, 0x0D, 0x79, 0x3D, 0xF7}));
    EXPECT_EQ(slice(dump, 131090, 5), (Bytes{0xF0, 0x31, 0x7D, 0x38, 0x25}));
    EXPECT_EQ(dump.back(), 0xF7);

    ASSERT_EQ(zylox(folder, "dump --bank 0 -o " + out).status, 0);
    EXPECT_EQ(slice(ScratchFolder::read(out), 6, 5), (Bytes{0xF0, 0x31, 0x40, 0x38, 0x20}));

    const std::string firmware = folder.file("fw.syx");
    ASSERT_EQ(zylox(folder, "dump --bank 31 --channel 9 -o " + firmware).status, 0);
    ASSERT_EQ(zylox(folder, "dump --bank 31 -o " + out).status, 0);
    EXPECT_EQ(ScratchFolder::read(firmware).size(), 245144u);
    EXPECT_EQ(ScratchFolder::read(firmware), ScratchFolder::read(out));
}

TEST(ZyloxDump, UnwritableOutputFailsWithOneLine)
{
    ScratchFolder folder("zylox-unwritable");
    const std::string out = folder.file("missing-folder/d.syx");
    const Result result = zylox(folder, "dump --bank 1 -o " + out);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "zylox: " + out + ": No such file or directory\n");
    EXPECT_EQ(result.out, "");
}

TEST(ZyloxCommandLine, WrongUsageExitsWithTwoAndWritesNothing)
{
    ScratchFolder folder("zylox-usage");
    const std::string out = folder.file("d.syx");
    for (const std::string& arguments :
         {std::string(""), std::string("frobnicate"), "dump --bank 32 -o " + out, "dump --bank -1 -o " + out,
          "dump --bank 3 --channel 16 -o " + out, std::string("dump --bank 3"), "dump -o " + out,
          std::string("info --verbose")}) {
        const Result result = zylox(folder, arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.err, "") << arguments;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(ZyloxCommandLine, HelpAndVersionSucceed)
{
    ScratchFolder folder("zylox-help");
    const Result version = zylox(folder, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "zylox " ZYLOX_VERSION "\n");

    const Result help = zylox(folder, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("dump"), std::string::npos);

    const Result dumpHelp = zylox(folder, "dump --help");
    EXPECT_EQ(dumpHelp.status, 0);
    EXPECT_NE(dumpHelp.out.find("--channel"), std::string::npos);
}

} // namespace
