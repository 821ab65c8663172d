// What a user meets of bank and slot numbers on zylox's command line: slots chosen by their
// labels, output lines that name the slot they touched and the file they wrote, help that says how
// slots count and which words an option takes, and info's header on a terminal only.
#include "tests/cli/ZyloxFixture.h"
#include "tests/support/Terminal.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

namespace {

const std::string kSoundSlots = "0 OPEN HI HAT, 1 CLOSED HI HAT, 2 CLAP, 3 RIM SHOT, 4 CRASH, 5 RIDE\n";

TEST_F(ZyloxTest, ASlotsLabelInAnyCaseChoosesItWhereverASlotNumberDoes)
{
    ASSERT_EQ(run(kSox + " -n -r 44.1k -c 1 -b 16 kick.wav synth 0.4 sine 60"), 0) << m_err;
    ASSERT_EQ(zylox("import --bank S05 --slot 1 kick.wav -o number.mid"), 0) << m_err;
    ASSERT_EQ(zylox("import --bank S05 --slot 'closed hi hat' kick.wav -o label.mid"), 0) << m_err;
    EXPECT_EQ(read("label.mid"), read("number.mid"));
    ASSERT_EQ(zylox("rename --bank FW --slot os 'OS 2' -o fw.mid && " ZYLOX_PROGRAM " info --in fw.mid"), 0) << m_err;
    EXPECT_TRUE(rows().back().ends_with("\tOS\tOS 2\t114182")) << rows().back();
    // The firmware bank's labels are its own; play resolves the label before it looks for a sound output.
    EXPECT_EQ(zylox("play --bank FW --slot Presets"), 1);
    EXPECT_EQ(m_err, "zylox: FW slot 0 PRESETS: holds a System Exclusive message, not a sound\n");

    // A label the bank does not have, another bank's label, a slot past the last: the slots are named.
    const std::pair<std::string, std::string> refused[] = {
        {"import --bank S05 --slot KICK kick.wav -o out.mid",
         "--slot \"KICK\": bank S05 has slots 0 to 5: " + kSoundSlots},
        {"import --bank S05 --slot OS kick.wav -o out.mid", "--slot \"OS\": bank S05 has slots 0 to 5: " + kSoundSlots},
        {"export --bank 4 --slot 'CLOSED HI' -o out.wav",
         "--slot \"CLOSED HI\": bank S05 has slots 0 to 5: " + kSoundSlots},
        {"rename --bank S05 --slot '' X -o out.mid", "--slot \"\": bank S05 has slots 0 to 5: " + kSoundSlots},
        {"play --bank S05 --slot 6", "--slot 6: bank S05 has slots 0 to 5: " + kSoundSlots},
        {"export --bank FW --slot crash -o out.wav", "--slot \"crash\": bank FW has slots 0 to 1: 0 PRESETS, 1 OS\n"},
    };
    for (const auto& [command, message] : refused) {
        EXPECT_EQ(zylox(command), 2) << command;
        EXPECT_EQ(m_err, "zylox: " + message) << command;
    }
    EXPECT_FALSE(exists("out.mid"));
    EXPECT_FALSE(exists("out.wav"));
}

TEST_F(ZyloxTest, EveryLineOfACommandThatWritesNamesBankSlotAndFile)
{
    ASSERT_EQ(run(kSox + " -n -r 44.1k -c 1 -b 16 kick.wav synth 0.4 sine 60 && cp kick.wav snare.wav"), 0) << m_err;
    // An import's lines, one a source, are ZyloxShapeTest.SeveralSourcesFillConsecutiveSlots...'s.
    ASSERT_EQ(zylox("import --bank s05 --slot rim\\ shot kick.wav snare.wav -o kit.mid"), 0) << m_err;
    ASSERT_EQ(zylox("export --bank 4 --slot 3 --in kit.mid -o rim.wav"), 0) << m_err;
    EXPECT_EQ(m_out, "S05 slot 3 RIM SHOT: 0.25 s into rim.wav\n");
    ASSERT_EQ(zylox("export --bank FW --slot OS -o os.syx"), 0) << m_err;
    EXPECT_EQ(m_out, "FW slot 1 OS: System Exclusive message of 114,182 bytes into os.syx\n");
    m_folder.write("notes.txt", Bytes(100, 'x'));
    ASSERT_EQ(zylox("import --bank 0 --slot 0 notes.txt --raw -o raw.mid"), 0) << m_err;
    EXPECT_EQ(m_out,
              "S01 slot 0 OPEN HI HAT: notes.txt, 100 bytes of raw device data, padded to 0.74 s with silence\n");
    ASSERT_EQ(zylox("rename --bank S05 'Dry Kit' --in kit.mid -o kit.mid"), 0) << m_err;
    EXPECT_EQ(m_out, "S05: named \"Dry Kit\" into kit.mid\n");
    ASSERT_EQ(zylox("rename --bank S05 --slot clap 'My Clap' --all -o all.mid"), 0) << m_err;
    EXPECT_EQ(m_out, "S05 slot 2 CLAP: named \"My Clap\" into all.mid (all 32 banks)\n");
    ASSERT_EQ(zylox("dump --bank S05 --channel 6 --in kit.mid -o kit.syx"), 0) << m_err;
    EXPECT_EQ(m_out, "S05: dump (erase, write, erase, write) on channel 6 into kit.syx\n");

    // Play tells what the import would do before it opens the sound output, which here fails.
    EXPECT_EQ(run("ALSA_CONFIG_PATH=/nonexistent/alsa.conf " ZYLOX_PROGRAM
                  " play kick.wav --bank S05 --slot 'Closed Hi Hat'"),
              1);
    EXPECT_EQ(m_out, "S05 slot 1 CLOSED HI HAT: kick.wav, 0.40 s, cut to 0.25 s (Classic)\n");
    // A file alone plays as it is; a shape, or a bank file, has no slot to go with.
    EXPECT_EQ(run("ALSA_CONFIG_PATH=/nonexistent/alsa.conf " ZYLOX_PROGRAM " play kick.wav"), 1);
    EXPECT_EQ(m_out, "kick.wav: 0.40 s, 44100 Hz, mono\n");
    EXPECT_TRUE(m_err.starts_with("zylox: play: No sound output: ")) << m_err;
    EXPECT_EQ(zylox("play notes.txt"), 1);
    EXPECT_TRUE(m_err.starts_with("zylox: notes.txt: not a sound file zylox decodes (WAV, ")) << m_err;
    EXPECT_EQ(zylox("play --gain 3 kick.wav"), 2);
    EXPECT_TRUE(m_err.starts_with("--gain requires --bank")) << m_err;
    EXPECT_EQ(zylox("play --bank S05 kick.wav"), 2);
    EXPECT_TRUE(m_err.starts_with("--bank requires --slot")) << m_err;
    EXPECT_EQ(zylox("play"), 2);
    EXPECT_EQ(m_err, "zylox: play: name a sound file, or a slot with --bank and --slot\n");
}

TEST_F(ZyloxTest, HelpSaysHowSlotsAndBanksCount)
{
    const std::string numbering
        = "Slots count from 0 (the window's Ctrl+1 is slot 0); --bank takes S01-S31/FW or rows 0-31.\n";
    for (const char* help : {"--help", "import --help", "export --help", "rename --help", "play --help"}) {
        ASSERT_EQ(zylox(help), 0) << help;
        EXPECT_TRUE(m_out.ends_with(numbering)) << help << ":\n" << m_out;
    }
    // The words an option takes, as the user types them, not the numbers they are kept as.
    for (const char* help : {"import --help", "play --help"}) {
        ASSERT_EQ(zylox(help), 0) << help;
        EXPECT_NE(m_out.find("--resample TEXT:{classic,clean}"), std::string::npos) << m_out;
        EXPECT_NE(m_out.find("--mono TEXT:{mix,left,right,side}"), std::string::npos) << m_out;
        EXPECT_EQ(m_out.find("->"), std::string::npos) << m_out;
    }
}

// Runs zylox with standard output on a terminal and returns what the terminal showed.
std::string onTerminal(const char* arguments)
{
    const TerminalRun run = runOnTerminal(
        [&] { ::execl("/bin/sh", "sh", "-c", (std::string(ZYLOX_PROGRAM " ") + arguments).c_str(), nullptr); });
    EXPECT_TRUE(run.succeeded) << run.shown;
    return run.shown;
}

TEST_F(ZyloxTest, InfoHasAHeaderOnATerminalOnlyAndTheSameRowsBelowIt)
{
    ASSERT_EQ(zylox("info"), 0) << m_err;
    ASSERT_EQ(rows().size(), 32u);
    std::string piped;
    for (const std::string& row : rows())
        piped += row + "\r\n";
    EXPECT_EQ(onTerminal("info"),
              "row\tbank\tindex\tname\tslot 0\tname\tbytes\tslot 1\tname\tbytes\tslot 2\tname\tbytes"
              "\tslot 3\tname\tbytes\tslot 4\tname\tbytes\tslot 5\tname\tbytes\r\n"
                  + piped);

    // One bank: its line alone, the same as in the whole list, by either of its numbers.
    const std::vector<std::string> all = rows();
    for (const auto& [bank, row] : {std::pair<const char*, std::size_t>{"S05", 4}, {"31", 31}, {"fw", 31}}) {
        ASSERT_EQ(zylox(std::string("info --bank ") + bank), 0) << m_err;
        EXPECT_EQ(rows(), std::vector<std::string>{all[row]}) << bank;
    }
}

} // namespace
