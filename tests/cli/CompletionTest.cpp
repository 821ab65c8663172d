// zylox's bash completion in a real interactive bash on a terminal: keys go in as a user types
// them, Tab included, and what the shell then runs shows what the completion put on the line. The
// ports come from a stand-in `zylox` on PATH: the completion's only view of the world is what
// `zylox ports` prints, and a machine without MIDI hardware has no ports to print.
#include "tests/support/ScratchFolder.h"
#include "tests/support/Terminal.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Runs bash -i on a terminal with the completion loaded, types keys into it, ends it and returns
// everything the terminal showed.
std::string typeIntoBash(const std::string& stubFolder, const std::string& keys)
{
    const TerminalRun run = runOnTerminal(
        [&] {
            const std::string path = stubFolder + ":" + std::getenv("PATH");
            ::setenv("PATH", path.c_str(), 1);
            ::setenv("TERM", "dumb", 1);
            ::setenv("PS1", "$ ", 1);
            ::setenv("INPUTRC", "/dev/null", 1);
            ::execl("/bin/bash", "bash", "--norc", "--noprofile", "-i", nullptr);
        },
        "source " BASH_COMPLETION "; source " COMPLETION_SCRIPT "\n" + keys + "exit\n");
    EXPECT_TRUE(run.succeeded) << run.shown;
    return run.shown;
}

// The keys of a command line up to a Tab, then Home and a printf that shows each word the shell
// reads from the completed line, bracketed, on a line of its own.
std::string completedWords(const std::string& line)
{
    return line + "\t\001printf '[%s]' \005; echo\n";
}

TEST(ZyloxCompletion, PortNamesWithAColonCompleteWholeInAnInteractiveShell)
{
    ScratchFolder stub("completion");
    const std::string zylox = stub.write("zylox", {});
    std::ofstream(zylox)
        << "#!/bin/sh\n"
           "[ \"$1\" = ports ] && printf '0: Midi Through:Midi Through Port-0\\n1: UM-ONE:UM-ONE MIDI 1\\n'\n";
    std::filesystem::permissions(zylox, std::filesystem::perms::owner_all);

    const std::string shown = typeIntoBash(
        stub.path().string(), completedWords("zylox send --port UM-ONE:UM")
                                  + completedWords("zylox send --port Midi\\ Through:M")
                                  + completedWords("zylox send --port U") + completedWords("zylox se")
                                  + completedWords("zylox dump --bank s07 --rea") + completedWords("zylox info --ba"));
    for (const char* words : {"[zylox][send][--port][UM-ONE:UM-ONE MIDI 1]\r\n",
                              "[zylox][send][--port][Midi Through:Midi Through Port-0]\r\n", "[zylox][send]\r\n",
                              "[zylox][dump][--bank][s07][--readdress]\r\n", "[zylox][info][--bank]\r\n"})
        EXPECT_NE(shown.find(words), std::string::npos) << words << " not in:\n" << shown;
}

TEST(ZyloxCompletion, ShapeOptionsAndTheirWordsComplete)
{
    ScratchFolder stub("completion");
    const std::string shown = typeIntoBash(
        stub.path().string(),
        completedWords("zylox import --fade-o") + completedWords("zylox play --bank S05 --slot 1 a.wav --dither sh")
            + completedWords("zylox import --mono si") + completedWords("zylox import --resample clean --phase mi"));
    for (const char* words :
         {"[zylox][import][--fade-out]\r\n", "[zylox][play][--bank][S05][--slot][1][a.wav][--dither][shaped]\r\n",
          "[zylox][import][--mono][side]\r\n", "[zylox][import][--resample][clean][--phase][minimum]\r\n"})
        EXPECT_NE(shown.find(words), std::string::npos) << words << " not in:\n" << shown;
}

TEST(ZyloxCompletion, SlotLabelsCompleteInAnyCaseQuotedForTheBankOnTheLine)
{
    ScratchFolder stub("completion");
    const std::string shown = typeIntoBash(
        stub.path().string(),
        completedWords("zylox import --bank S05 --slot clo") + completedWords("zylox export --bank s05 --slot \"rim")
            + completedWords("zylox rename --slot 'op") + completedWords("zylox play --bank fw --slot p")
            + completedWords("zylox export --bank 31 --slot o") + completedWords("zylox import --bank S05 --slot 4"));
    for (const char* words :
         {"[zylox][import][--bank][S05][--slot][CLOSED HI HAT]\r\n",
          "[zylox][export][--bank][s05][--slot][RIM SHOT]\r\n", "[zylox][rename][--slot][OPEN HI HAT]\r\n",
          "[zylox][play][--bank][fw][--slot][PRESETS]\r\n", "[zylox][export][--bank][31][--slot][OS]\r\n",
          "[zylox][import][--bank][S05][--slot][4]\r\n"})
        EXPECT_NE(shown.find(words), std::string::npos) << words << " not in:\n" << shown;
}

} // namespace
