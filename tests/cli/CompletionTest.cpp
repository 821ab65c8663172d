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
#include <utility>
#include <vector>

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

// Types each line up to a Tab, then Home and a printf that shows each word the shell reads from the
// completed line, bracketed, on a line of its own; expects the words each line completes to.
void expectCompletions(const std::string& stubFolder, const std::vector<std::pair<std::string, std::string>>& cases)
{
    std::string keys;
    for (const auto& [line, words] : cases)
        keys += line + "\t\001printf '[%s]' \005; echo\n";
    const std::string shown = typeIntoBash(stubFolder, keys);
    for (const auto& [line, words] : cases)
        EXPECT_NE(shown.find(words + "\r\n"), std::string::npos) << line << ": " << words << " not in:\n" << shown;
}

// One shell for every case: ports (from the stand-in), commands, options and their words, slot labels.
TEST(ZyloxCompletion, PortsCommandsOptionsTheirWordsAndSlotLabelsCompleteInAnInteractiveShell)
{
    ScratchFolder stub("completion");
    const std::string zylox = stub.write("zylox", {});
    std::ofstream(zylox)
        << "#!/bin/sh\n"
           "[ \"$1\" = ports ] && printf '0: Midi Through:Midi Through Port-0\\n1: UM-ONE:UM-ONE MIDI 1\\n'\n";
    std::filesystem::permissions(zylox, std::filesystem::perms::owner_all);
    expectCompletions(
        stub.path().string(),
        {// Port names with a colon complete whole.
         {"zylox send --port UM-ONE:UM", "[zylox][send][--port][UM-ONE:UM-ONE MIDI 1]"},
         {"zylox send --port Midi\\ Through:M", "[zylox][send][--port][Midi Through:Midi Through Port-0]"},
         {"zylox send --port U", "[zylox][send][--port][UM-ONE:UM-ONE MIDI 1]"},
         {"zylox se", "[zylox][send]"},
         {"zylox dump --bank s07 --rea", "[zylox][dump][--bank][s07][--readdress]"},
         // Shape options, their words, and slot labels in any case, quoted, for the bank on the line.
         {"zylox import --fade-o", "[zylox][import][--fade-out]"},
         {"zylox play --bank S05 --slot 1 a.wav --dither sh",
          "[zylox][play][--bank][S05][--slot][1][a.wav][--dither][shaped]"},
         {"zylox import --fit st", "[zylox][import][--fit][stretch]"},
         {"zylox import --fit --fade-i", "[zylox][import][--fit][--fade-in]"},
         {"zylox import --bank S05 --slot clo", "[zylox][import][--bank][S05][--slot][CLOSED HI HAT]"},
         {"zylox export --bank s05 --slot \"rim", "[zylox][export][--bank][s05][--slot][RIM SHOT]"},
         {"zylox rename --slot 'op", "[zylox][rename][--slot][OPEN HI HAT]"},
         {"zylox play --bank fw --slot p", "[zylox][play][--bank][fw][--slot][PRESETS]"},
         {"zylox import --bank S05 --slot 4", "[zylox][import][--bank][S05][--slot][4]"},
         // The library's commands, their words, and a bank for --fits.
         {"zylox find kick --js", "[zylox][find][kick][--json]"},
         {"zylox find --fits s05", "[zylox][find][--fits][S05:]"},
         {"zylox find --fits S05:4 --fo", "[zylox][find][--fits][S05:4][--folder]"},
         {"zylox library res", "[zylox][library][rescan]"},
         {"zylox loudness --b", "[zylox][loudness][--bank]"},
         {"zylox kit --match", "[zylox][kit][--match-loudness]"}});
}

} // namespace
