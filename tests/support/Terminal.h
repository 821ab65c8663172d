#pragma once

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

// What a program run on a terminal of its own shows there, and whether it exited with 0: for what
// behaves differently on a terminal than through a pipe (a shell's completion, a header line).
struct TerminalRun {
    std::string shown;
    bool succeeded = false;
};

// Forks onto a new terminal, runs child there (which execs the program and must not return), writes
// input to it, and reads everything it shows until it ends.
inline TerminalRun runOnTerminal(const std::function<void()>& child, const std::string& input = {})
{
    int terminal = -1;
    const pid_t program = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (program == 0) {
        child();
        ::_exit(127);
    }
    TerminalRun run;
    if (program < 0)
        return run;
    // Readline takes the keys as they come; those after a Tab wait until the completion is done.
    const bool written
        = input.empty() || ::write(terminal, input.data(), input.size()) == static_cast<ssize_t>(input.size());
    char buffer[4096];
    for (ssize_t got; (got = ::read(terminal, buffer, sizeof buffer)) > 0;)
        run.shown.append(buffer, static_cast<std::size_t>(got));
    ::close(terminal);
    int status = 0;
    ::waitpid(program, &status, 0);
    run.succeeded = written && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}
