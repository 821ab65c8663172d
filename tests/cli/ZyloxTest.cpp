// zylox run as a user would: factory banks, bank files, and sound files that sox writes and reads back.
#include "audio/SlotImport.h"
#include "tests/cli/ZyloxFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST_F(ZyloxTest, InfoRenameAndSaveWithBankFilesOfOneOrAllBanks)
{
    ASSERT_EQ(zylox("info"), 0) << m_err;
    EXPECT_EQ(m_err, "");
    const std::vector<std::string> factory = rows();
    ASSERT_EQ(factory.size(), 32u);
    EXPECT_EQ(factory[0],
              "0\tS01\t0\tS01 - factory -\tOPEN HI HAT\tOPEN HI HAT\t24576\tCLOSED HI HAT\tCLOSED HI HAT\t8192"
              "\tCLAP\tCLAP\t24576\tRIM SHOT\tRIM SHOT\t8192\tCRASH\tCRASH\t32768\tRIDE\tRIDE\t32768");
    EXPECT_EQ(factory[31], "31\tFW\t31\tFIRMWARE - factory -\tPRESETS\tPRESETS\t130950\tOS\tOS\t114182");

    // An empty name reads back; one no bank file keeps is refused before anything is written. Which
    // names those are is NameRefusalTest's, and that each comes back from the file BankFileTest's.
    ASSERT_EQ(zylox("rename --bank 4 '' -o s05.mid"), 0) << m_err;
    ASSERT_EQ(zylox("rename --bank s05 --slot 2 'My Clap' --in s05.mid -o s05b.mid"), 0) << m_err;
    ASSERT_EQ(zylox("info --in s05b.mid"), 0) << m_err;
    std::vector<std::string> expected = factory;
    expected[4] = "4\tS05\t4\t\tOPEN HI HAT\tOPEN HI HAT\t24576\tCLOSED HI HAT\tCLOSED HI HAT\t8192"
                  "\tCLAP\tMy Clap\t24576\tRIM SHOT\tRIM SHOT\t8192\tCRASH\tCRASH\t32768\tRIDE\tRIDE\t32768";
    EXPECT_EQ(rows(), expected);
    const Bytes renamed = read("s05b.mid");
    EXPECT_EQ(zylox("rename --bank S05 --slot 0 " + std::string(256, 'x') + " --in s05b.mid -o s05b.mid"), 2);
    EXPECT_TRUE(m_err.starts_with("zylox: name: 256 bytes long; ")) << m_err;
    EXPECT_TRUE(read("s05b.mid") == renamed);

    ASSERT_EQ(zylox("save --bank 4 -o s05.mid"), 0) << m_err;
    EXPECT_EQ(slice("s05.mid", 8, 6), (Bytes{0, 0, 0, 1, 0, 24}));
    EXPECT_EQ(slice("s05.mid", 22, 7), (Bytes{0x00, 0xFF, 0x03, 0x03, 'S', '0', '5'}));
    ASSERT_EQ(zylox("save --all -o all.mid"), 0) << m_err;
    EXPECT_EQ(slice("all.mid", 8, 6), (Bytes{0, 1, 0, 32, 0, 24}));
}

TEST_F(ZyloxTest, DumpWritesTheFourMessagesBackToBackInPlaceOfALongerFile)
{
    m_folder.write("d.syx", Bytes(300000, 0x55));
    ASSERT_EQ(zylox("dump --bank 30 --channel 6 -o d.syx"), 0) << m_err;
    ASSERT_EQ(read("d.syx").size(), 262168u);
    EXPECT_EQ(slice("d.syx", 0, 11), (Bytes{0xF0, 0x31, 0x0D, 0x79, 0x3C, 0xF7, 0xF0, 0x31, 0x7C, 0x38, 0x25}));
    // Channel 1 by default, 16 the last.
    ASSERT_EQ(zylox("dump --bank s01 -o d.syx"), 0) << m_err;
    EXPECT_EQ(slice("d.syx", 6, 5), (Bytes{0xF0, 0x31, 0x40, 0x38, 0x20}));
    ASSERT_EQ(zylox("dump --bank 0 --channel 16 -o d.syx"), 0) << m_err;
    EXPECT_EQ(slice("d.syx", 6, 5), (Bytes{0xF0, 0x31, 0x40, 0x38, 0x2F}));
}

TEST_F(ZyloxTest, FailuresExitWithOneLineAndWrongCommandLinesWithTwoAndNeitherWritesAnything)
{
    // A track name declaring 256 MB in a file of 29 bytes.
    m_folder.write("bad.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6,    0,    0,    0,    1,    0,    24,  'M',
                               'T', 'r', 'k', 0,   0, 0, 0, 0x00, 0xFF, 0x03, 0xFF, 0xFF, 0xFF, 0x7F});
    // A WAV file of a format no decoder knows (0x1234).
    m_folder.write("packed.wav", {'R', 'I', 'F', 'F', 40,   0,    0,   0,   'W',  'A',  'V', 'E', 'f',  'm',  't', ' ',
                                  16,  0,   0,   0,   0x34, 0x12, 1,   0,   0x44, 0xAC, 0,   0,   0x88, 0x58, 1,   0,
                                  2,   0,   16,  0,   'd',  'a',  't', 'a', 4,    0,    0,   0,   1,    2,    3,   4});
    // An MP3 frame with nothing after it: libmpg123 has its own say on it; only ours reaches the terminal.
    Bytes broken{0xFF, 0xFB, 0x90, 0x64};
    broken.resize(2000, 0x00);
    m_folder.write("broken.mp3", broken);
    m_folder.write("plain.txt", {'n', 'o', ' ', 'm', 'e', 's', 's', 'a', 'g', 'e'});
    m_folder.write("out.mid", {'o', 'l', 'd'});
    const std::string pcmOnly = ": Wrong File Format: this sound's format cannot be decoded; zylox imports WAV, "
                                "AIFF, AIFF-C, FLAC, Ogg Vorbis, Opus, MP3, AU, CAF and W64 sounds";
    const std::string notASound = ": not a sound file zylox decodes; --raw loads its bytes into the slot as they are";
    const auto noMessage = [](const std::string& slot, int block) {
        return ": holds no System Exclusive message; " + slot
               + " takes one ZYLOX 515 System Exclusive message of 1,024 "
                 "to 131,078 bytes for flash block "
               + std::to_string(block);
    };
    const std::pair<std::string, std::string> failures[] = {
        {"info --in bad.mid", "bad.mid: Wrong File Format"},
        {"info --in missing.mid", "missing.mid: No such file or directory"},
        {"dump --bank 1 -o folder/d.syx", "folder/d.syx: No such file or directory"},
        {"save --bank 4 -o folder/s05.mid", "folder/s05.mid: No such file or directory"},
        {"import --bank 4 --slot 0 packed.wav -o out.mid", "S05 slot 0 OPEN HI HAT: packed.wav" + pcmOnly},
        {"import --bank 4 --slot 0 missing.wav -o out.mid", "missing.wav: No such file or directory"},
        {"import --bank 0 --slot 1 broken.mp3 -o out.mid",
         "S01 slot 1 CLOSED HI HAT: broken.mp3: could not be decoded: the file is damaged or cut short"},
        {"import --bank 31 --slot 0 plain.txt -o out.mid", "plain.txt" + noMessage("PRESETS", 62)},
        {"import --bank 4 --slot 0 plain.txt -o out.mid", "S05 slot 0 OPEN HI HAT: plain.txt" + notASound},
        // Endless sources end at what the slot can use.
        {"import --bank 4 --slot 5 /dev/zero -o out.mid", "S05 slot 5 RIDE: /dev/zero" + notASound},
        {"import --bank 31 --slot 1 /dev/zero -o out.mid", "/dev/zero" + noMessage("OS", 63)},
    };
    for (const auto& [command, message] : failures) {
        EXPECT_EQ(zylox(command), 1) << command;
        EXPECT_EQ(m_err, "zylox: " + message + "\n");
        EXPECT_EQ(m_out, "") << command;
    }
    EXPECT_EQ(read("out.mid"), (Bytes{'o', 'l', 'd'}));

    for (const char* arguments :
         // Which words name no bank is BankNumberTest's.
         {"", "frobnicate", "info --verbose", "info --in", "dump --bank S32 -o x", "dump --bank 3 --channel 17 -o x",
          "dump --bank 3", "save --bank 4 --all -o x", "rename --bank 4 -o x", "send --bank 4",
          "send --port 0 --bank 4 --from S05", "send --port 0 --os --changed", "send --port 0 --all --from S32",
          "import --bank 4 --slot 0 x.wav --resample linear -o x"}) {
        EXPECT_EQ(zylox(arguments), 2) << arguments;
        EXPECT_NE(m_err, "") << arguments;
    }
    // Channels used to count from 0: a script still giving 0 is told why, not sent elsewhere.
    EXPECT_EQ(zylox("dump --bank 3 --channel 0 -o x"), 2);
    EXPECT_NE(m_err.find("channels count from 1"), std::string::npos) << m_err;
    EXPECT_FALSE(exists("x"));
    EXPECT_FALSE(exists("folder"));

    EXPECT_EQ(zylox("--version"), 0);
    EXPECT_EQ(m_out, "zylox " ZYLOX_VERSION "\n");
}

TEST_F(ZyloxTest, ImportedSlotComesBackAsItIsStoredAsADeviceFormatWavOrSysEx)
{
    // A decaying 60 Hz tone, 16-bit stereo at 44.1 kHz: longer than the 8,192-byte slot 1.
    ASSERT_EQ(run("mkdir in && " + kSox + " -n -r 44.1k -c 2 -b 16 in/kick.wav synth 0.3 sine 60 fade 0 0.3 0.25"), 0);
    Bytes expected(8192, 0x80);
    ASSERT_TRUE(audio::importSlot(read("in/kick.wav"), {}, expected));
    ASSERT_EQ(zylox("import --bank 4 --slot 1 in/kick.wav -o out.mid"), 0) << m_err;
    ASSERT_EQ(zylox("export --bank 4 --slot 1 --in out.mid -o slot.wav"), 0) << m_err;
    const std::string soxi = kSox + " --i -$option slot.wav";
    ASSERT_EQ(run("for option in c r b e; do " + soxi + "; done && " + kSox + " slot.wav -t raw slot.raw"), 0) << m_err;
    EXPECT_EQ(m_out, "1\n33000\n8\nUnsigned Integer PCM\n");
    EXPECT_EQ(read("slot.raw"), expected);
    // The bank taken out as sounds; what each file holds and its name are BankSoundFilesTest's.
    ASSERT_EQ(zylox("export --bank S05 --all-slots --in out.mid -o 'S05 sounds'"), 0) << m_err;
    ASSERT_EQ(rows().size(), 6u) << m_out;
    EXPECT_EQ(rows()[1], "S05 slot 1 CLOSED HI HAT: 0.25 s into S05 sounds/CLOSED HI HAT - kick.wav");
    EXPECT_EQ(zylox("export --bank S05 --all-slots --in out.mid -o gone/sounds"), 1);
    EXPECT_EQ(m_err, "zylox: gone/sounds: No such file or directory\n");
    EXPECT_EQ(zylox("export --bank FW --all-slots -o fw"), 2);
    EXPECT_EQ(m_err, "zylox: --bank FW: the firmware bank's slots hold messages, not sounds: only a sound bank is "
                     "taken out as sounds\n");

    // All banks from a file, one renamed, one slot imported.
    ASSERT_EQ(zylox("rename --bank 30 Last --all -o all.mid"), 0) << m_err;
    ASSERT_EQ(zylox("import --bank 30 --slot 5 in/kick.wav --in all.mid --all -o all2.mid"), 0) << m_err;
    ASSERT_EQ(zylox("info --in all2.mid"), 0) << m_err;
    EXPECT_TRUE(rows()[30].starts_with("30\tS31\t30\tLast\t"));
    EXPECT_TRUE(rows()[30].ends_with("\tRIDE\tkick.wav\t32768"));

    // A System Exclusive file goes into a firmware slot, here read once from a pipe, and comes back out as it went in.
    Bytes os{0xF0, 0x31, 0x7F, 0x38, 0x10};
    os.insert(os.end(), 1994, 0x01);
    os.push_back(0xF7);
    m_folder.write("os.syx", os);
    ASSERT_EQ(run("cat os.syx | " ZYLOX_PROGRAM " import --bank 31 --slot 1 /dev/stdin -o fw.mid"), 0) << m_err;
    EXPECT_EQ(m_out, "FW slot 1 OS: stdin, System Exclusive message of 2,000 bytes\n");
    ASSERT_EQ(zylox("export --bank 31 --slot 1 --in fw.mid -o out.syx"), 0) << m_err;
    EXPECT_EQ(read("out.syx"), os);
}

TEST_F(ZyloxTest, AFirmwareSlotTakesOnlyAMessageASendCanPutIntoItsBlock)
{
    // Which messages a slot refuses, and the words of each refusal, are FlashBlocks' in the model
    // suite; how a refusal reaches the user is the failures' case.
    ASSERT_EQ(zylox("save --bank FW -o fw.mid"), 0) << m_err;
    // A dump or a sound never takes the place of the bank file it was made from.
    const Bytes kept = read("fw.mid");
    EXPECT_EQ(zylox("dump --bank FW --in fw.mid -o ./fw.mid"), 2);
    EXPECT_EQ(m_err, "zylox: dump: -o ./fw.mid is the --in bank file: name the .syx file to write after -o\n");
    EXPECT_EQ(zylox("export --bank FW --slot 0 --in fw.mid -o fw.mid"), 2);
    EXPECT_EQ(m_err, "zylox: export: -o fw.mid is the --in bank file: name the .wav or .syx file to write after -o\n");
    EXPECT_TRUE(read("fw.mid") == kept);

    // A file saved with the slots swapped, as an import once let them be, opens, but is never sent:
    // the dump would erase the operating system's block and write the presets after it.
    ASSERT_EQ(
        run("/usr/bin/python3 -c \"import mido; f = mido.MidiFile('fw.mid'); "
            "w = [m for m in f.tracks[0] if m.type == 'sysex'][1::2]; w[0].data, w[1].data = w[1].data, w[0].data; "
            "f.save('swapped.mid')\""),
        0)
        << m_err;
    ASSERT_EQ(zylox("info --in swapped.mid"), 0) << m_err;
    EXPECT_EQ(zylox("dump --bank FW --in swapped.mid -o swapped.syx"), 1);
    EXPECT_EQ(m_err,
              "zylox: FW: PRESETS holds the OS message; PRESETS takes the PRESETS message, which begins F0 31 40 "
              "38 00, for flash block 62\n");
    EXPECT_FALSE(exists("swapped.syx"));
}

TEST_F(ZyloxTest, SoundLibrariesAreLoadedOnlyByTheImportsThatNeedThem)
{
    // Loading libsndfile with its codecs and the resampler took longer than a WAV import itself.
    ASSERT_EQ(run(kSox + " -n -r 44.1k -c 2 -b 16 kick.wav synth 0.3 sine 60 && " + kSox + " kick.wav kick.flac"), 0);
    const std::string loads = "LD_DEBUG=files " ZYLOX_PROGRAM " ";
    ASSERT_EQ(run(loads + "import --bank S05 --slot 1 kick.wav -o wav.mid"), 0) << m_err;
    EXPECT_EQ(m_err.find("libsndfile"), std::string::npos);
    EXPECT_EQ(m_err.find("libsoxr"), std::string::npos);
    ASSERT_EQ(run(loads + "import --bank S05 --slot 1 kick.flac --resample clean -o flac.mid"), 0) << m_err;
    EXPECT_NE(m_err.find("libsndfile.so.1"), std::string::npos);
    EXPECT_NE(m_err.find("libsoxr.so.0"), std::string::npos);
}

TEST_F(ZyloxTest, AnInFileOfAnotherBankIsRefusedUnlessReaddressMovesItThere)
{
    ASSERT_EQ(zylox("rename --bank S05 'My Kit' -o kit.mid"), 0) << m_err;
    ASSERT_EQ(zylox("save --all -o all.mid"), 0) << m_err;
    const std::string moves = "zylox: kit.mid holds S05, not S07 (--readdress moves it onto S07)\n";
    // As in the editor, the bank of --bank's row reads the file: a bank of the other kind is none for it.
    // The firmware bank's file onto a sound row is BankFileOpeningTest's, and refused as this one.
    const std::string kitNotForFirmware = "zylox: kit.mid: Wrong File Format\n";
    const std::pair<std::string, std::string> refusals[] = {
        {"dump --bank S07 --in kit.mid -o out", moves},
        {"send --port 0 --bank S07 --in kit.mid", moves},
        {"play --bank S07 --slot 0 --in kit.mid", moves},
        {"dump --bank FW --in kit.mid --readdress -o out", kitNotForFirmware},
    };
    for (const auto& [command, message] : refusals) {
        EXPECT_EQ(zylox(command), 1) << command;
        EXPECT_EQ(m_err, message) << command;
    }
    for (const char* misuse : {"dump --bank S07 --readdress -o out", "save --all --in kit.mid --readdress -o out",
                               "dump --bank S07 --in all.mid --readdress -o out", "info --in kit.mid --readdress"}) {
        EXPECT_EQ(zylox(misuse), 2) << misuse;
        EXPECT_NE(m_err, "") << misuse;
    }
    EXPECT_FALSE(exists("out"));

    // Moved, the file's bank goes to S07's row and flash blocks; S05 stays the factory bank.
    ASSERT_EQ(zylox("save --bank S07 --in kit.mid --readdress -o s07.mid"), 0) << m_err;
    ASSERT_EQ(zylox("info --in s07.mid"), 0) << m_err;
    ASSERT_EQ(rows().size(), 32u);
    EXPECT_TRUE(rows()[6].starts_with("6\tS07\t6\tMy Kit\t")) << rows()[6];
    EXPECT_TRUE(rows()[4].starts_with("4\tS05\t4\tS05\t")) << rows()[4];
    ASSERT_EQ(zylox("dump --bank S07 --in kit.mid --readdress -o moved.syx"), 0) << m_err;
    ASSERT_EQ(zylox("dump --bank S07 --in s07.mid -o s07.syx"), 0) << m_err;
    EXPECT_EQ(slice("moved.syx", 0, 11), (Bytes{0xF0, 0x31, 0x0D, 0x79, 0x0C, 0xF7, 0xF0, 0x31, 0x4C, 0x38, 0x20}));
    EXPECT_TRUE(read("moved.syx") == read("s07.syx"));
    // The file's own bank, and commands on all banks, need no moving.
    EXPECT_EQ(zylox("dump --bank S05 --in kit.mid --readdress -o own.syx"), 0) << m_err;
    EXPECT_EQ(zylox("save --all --in kit.mid -o all2.mid"), 0) << m_err;
}

} // namespace
