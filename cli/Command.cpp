#include "cli/Command.h"

#include "cli/BankSet.h"

#include <CLI/CLI.hpp>

#include <iostream>

Command::Command(CLI::App& app, const std::string& name, const std::string& description)
    : m_command(app.add_subcommand(name, description))
{
}

bool Command::chosen() const
{
    return m_command->parsed();
}

int Command::fail(const std::string& subject, const std::string& reason)
{
    std::cerr << "zylox: " << subject << ": " << reason << '\n';
    return 1;
}

void Command::addBankFileOption()
{
    m_command->add_option("--in", m_bankFile, "A bank file (.mid) to open onto the factory banks first");
}

int Command::openBankFile(BankSet& banks) const
{
    std::string reason;
    if (!m_bankFile.empty() && !banks.open(m_bankFile, reason))
        return fail(m_bankFile, reason);
    return 0;
}
