#pragma once

#include <string>

namespace CLI {
class App;
}

// One `zylox` command: it adds its subcommand and options to the application when constructed and
// runs when the command line chose it.
class Command {
public:
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    bool chosen() const;
    // Exit status: 0 done, 1 the operation failed (one line on standard error), 2 a bad command line.
    virtual int run() = 0;

protected:
    Command(CLI::App& app, const std::string& name, const std::string& description);

    // Writes "zylox: <subject>: <reason>" to standard error and returns the failure status 1.
    static int fail(const std::string& subject, const std::string& reason);

    CLI::App* m_command;
};
