#pragma once

#include <string>

namespace CLI {
class App;
}
class BankSet;

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

    // Adds --in: a bank file opened onto the factory banks before the command runs.
    void addBankFileOption();
    // Opens the --in file, if one was given, onto banks; 0, or 1 after the failure's message.
    int openBankFile(BankSet& banks) const;

    CLI::App* m_command;
    std::string m_bankFile;
};
