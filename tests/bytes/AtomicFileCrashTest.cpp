// The kill test: a save killed at each point leaves the target whole (old or new) and nothing a
// user sees beside it; a hidden temporary it leaves goes with the next save of that file.
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>

#include <csignal>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// How the program ended: the signal that killed it as a negative number, else its exit status.
int run(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return 255;
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? -WTERMSIG(status) : WEXITSTATUS(status);
}

using Names = std::pair<std::vector<std::string>, std::vector<std::string>>;

// The names in the folder: the hidden ones, then those a user sees.
Names hiddenAndVisible(const ScratchFolder& folder)
{
    Names names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        (name.starts_with('.') ? names.first : names.second).push_back(name);
    }
    return names;
}

TEST(AtomicFileCrash, AKilledSaveLeavesTheTargetWholeAndTheNextSaveLeavesNothingBehind)
{
    const std::vector<std::uint8_t> oldBytes(50'000, 'o');
    const std::vector<std::uint8_t> newBytes(200'000, 'n');
    struct Point {
        const char* name;
        bool replaced;
        bool leavesHidden;
        bool leavesHiddenNamed;
    };
    const Point points[]{{"opened", false, false, true},
                         {"half", false, false, true},
                         {"written", false, false, true},
                         {"linked", false, true, true},
                         {"renamed", true, false, false}};
    int kills = 0;
    for (const char* method : {"unnamed", "named"}) {
        for (const Point& point : points) {
            SCOPED_TRACE(std::string(method) + " temporary, killed " + point.name);
            ScratchFolder folder("crash");
            const std::string target = folder.write("bank.mid", oldBytes);
            ASSERT_EQ(run({INTERRUPTED_SAVE, target, point.name, method}), -SIGKILL);
            ++kills;
            EXPECT_EQ(ScratchFolder::read(target), point.replaced ? newBytes : oldBytes);
            const auto [hidden, visible] = hiddenAndVisible(folder);
            const bool named = std::string(method) == "named";
            EXPECT_EQ(hidden.size(), (named ? point.leavesHiddenNamed : point.leavesHidden) ? 1u : 0u);
            EXPECT_EQ(visible, std::vector<std::string>{"bank.mid"});

            ASSERT_EQ(run({INTERRUPTED_SAVE, target, "none", method}), 0);
            EXPECT_EQ(ScratchFolder::read(target), newBytes);
            EXPECT_EQ(hiddenAndVisible(folder), Names({}, {"bank.mid"}));
        }
    }
    std::cout << kills << " saves killed: 0 corrupt targets, 0 leftovers after the next save\n";
}

} // namespace
