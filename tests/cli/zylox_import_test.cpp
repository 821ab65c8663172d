// zylox import and export, run as a user would, with sox writing the sounds and reading them back.
#include "audio/slot_import.h"
#include "tests/audio/SoundFileFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes contentsOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string textOf(const std::string& path)
{
    const Bytes bytes = contentsOf(path);
    return {bytes.begin(), bytes.end()};
}

class ZyloxImportTest : public ::testing::Test {
protected:
    // Runs a program in the folder; standard output and error land in files of the folder.
    int run(const std::string& command)
    {
        const std::string line = "cd '" + m_folder.path("") + "' && " + command + " >stdout.txt 2>stderr.txt";
        const int raw = std::system(line.c_str());
        m_out = textOf(m_folder.path("stdout.txt"));
        m_err = textOf(m_folder.path("stderr.txt"));
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    int zylox(const std::string& arguments) { return run(std::string(ZYLOX_PROGRAM) + " " + arguments); }
    std::string soxInfo(const std::string& option, const std::string& file)
    {
        run(std::string(SOX_PROGRAM) + " --i " + option + " " + file);
        return m_out;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(m_folder.path(name)); }

    // A decaying 60 Hz tone, 16-bit stereo at 44.1 kHz: longer than the 8,192-byte slot 1.
    std::string kick()
    {
        run(std::string(SOX_PROGRAM) + " -n -r 44100 -c 2 -b 16 kick.wav synth 0.3 sine 60 fade 0 0.3 0.25");
        return m_folder.path("kick.wav");
    }

    SoundFileFolder m_folder;
    std::string m_out;
    std::string m_err;
};

TEST_F(ZyloxImportTest, ImportedSlotComesBackAsADeviceFormatWav)
{
    Bytes expected(8192, 0x80);
    ASSERT_TRUE(audio::importSlot(kick().c_str(), expected));

    ASSERT_EQ(zylox("import --bank 4 --slot 1 kick.wav -o out.mid"), 0) << m_err;
    ASSERT_EQ(zylox("info --in out.mid"), 0) << m_err;
    EXPECT_NE(m_out.find("4\t4\tS05\tOPEN HI HAT\tOPEN HI HAT\t24576\tCLOSED HI HAT\tkick.wav\t8192\tCLAP"),
              std::string::npos);

    ASSERT_EQ(zylox("export --bank 4 --slot 1 --in out.mid -o slot.wav"), 0) << m_err;
    EXPECT_EQ(soxInfo("-c", "slot.wav"), "1\n");
    EXPECT_EQ(soxInfo("-r", "slot.wav"), "33000\n");
    EXPECT_EQ(soxInfo("-b", "slot.wav"), "8\n");
    EXPECT_EQ(soxInfo("-e", "slot.wav"), "Unsigned Integer PCM\n");
    ASSERT_EQ(run(std::string(SOX_PROGRAM) + " slot.wav -t raw slot.raw"), 0);
    EXPECT_EQ(contentsOf(m_folder.path("slot.raw")), expected);
}

TEST_F(ZyloxImportTest, AllWritesEveryBankWithTheImport)
{
    kick();
    ASSERT_EQ(zylox("import --bank 30 --slot 5 kick.wav --all -o all.mid"), 0) << m_err;
    ASSERT_EQ(zylox("info --in all.mid"), 0) << m_err;
    EXPECT_NE(m_out.find("\tRIDE\tkick.wav\t32768\n31\t"), std::string::npos);
    EXPECT_NE(m_out.find("0\t0\tS01 - factory -\t"), std::string::npos);
}

TEST_F(ZyloxImportTest, RefusedImportsWriteNothing)
{
    const Bytes raw(400, 0);
    m_folder.sox(raw, "-r 44100 -c 1 -b 16 -e signed-integer", "packed.aifc");
    m_folder.sox(raw, "-r 44100 -c 1 -b 32 -e floating-point", "float.wav");
    for (const char* source : {"packed.aifc", "float.wav"}) {
        SCOPED_TRACE(source);
        EXPECT_EQ(zylox(std::string("import --bank 4 --slot 0 ") + source + " -o out.mid"), 1);
        EXPECT_EQ(m_err, std::string("zylox: ") + source
                             + ": Wrong File Format: ZYLOX626Editor supports only pcm (no compression) formats "
                               "(*.aif or *.wav).\n");
        EXPECT_FALSE(exists("out.mid"));
    }

    m_folder.write("empty.wav", {});
    EXPECT_EQ(zylox("import --bank 4 --slot 0 empty.wav -o out.mid"), 1);
    EXPECT_EQ(m_err, "zylox: empty.wav: holds no sound\n");
    EXPECT_EQ(zylox("import --bank 4 --slot 0 missing.wav -o out.mid"), 1);
    EXPECT_EQ(m_err, "zylox: missing.wav: No such file or directory\n");
    m_folder.write("plain.txt", {'n', 'o', ' ', 'm', 'e', 's', 's', 'a', 'g', 'e'});
    EXPECT_EQ(zylox("import --bank 31 --slot 0 plain.txt -o out.mid"), 1);
    EXPECT_EQ(m_err, "zylox: plain.txt: holds no System Exclusive message\n");
    EXPECT_FALSE(exists("out.mid"));
}

TEST_F(ZyloxImportTest, SlotsOutsideTheBankAreABadCommandLine)
{
    kick();
    EXPECT_EQ(zylox("import --bank 4 --slot 6 kick.wav -o out.mid"), 2);
    EXPECT_EQ(zylox("import --bank 31 --slot 2 kick.wav -o out.mid"), 2);
    EXPECT_EQ(m_err, "zylox: --slot 2: bank 31 has slots 0 to 1\n");
    EXPECT_EQ(zylox("export --bank 31 --slot 2 -o out.syx"), 2);
    EXPECT_FALSE(exists("out.mid"));
    EXPECT_FALSE(exists("out.syx"));
}

TEST_F(ZyloxImportTest, OtherFilesAreTakenRawAndFirmwareSlotsExportTheirMessage)
{
    m_folder.write("notes.txt", Bytes(100, 'x'));
    ASSERT_EQ(zylox("import --bank 0 --slot 3 notes.txt -o raw.mid"), 0) << m_err;
    ASSERT_EQ(zylox("export --bank 0 --slot 3 --in raw.mid -o raw.wav"), 0) << m_err;
    const Bytes wav = contentsOf(m_folder.path("raw.wav"));
    ASSERT_EQ(wav.size(), 44u + 8192u);
    EXPECT_EQ(wav[44], 0x80);
    EXPECT_EQ(wav[45], 'x');
    EXPECT_EQ(wav[44 + 100], 0x80);

    m_folder.write("message.syx", {0x00, 0xF0, 0x7D, 0x01, 0x02, 0x10, 0x20, 0xF7, 0x33});
    EXPECT_EQ(zylox("import --bank 31 --slot 1 message.syx -o fw.mid"), 0) << m_err;
    ASSERT_EQ(zylox("export --bank 31 --slot 0 -o presets.syx"), 0) << m_err;
    const Bytes presets = contentsOf(m_folder.path("presets.syx"));
    ASSERT_FALSE(presets.empty());
    EXPECT_EQ(presets.front(), 0xF0);
    EXPECT_EQ(presets.back(), 0xF7);
}

} // namespace
