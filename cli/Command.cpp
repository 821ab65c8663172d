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

CLI::Option* Command::addBankOption(CLI::App& to, std::size_t& row)
{
    return to.add_option("--bank", row, "Bank row, 0 to 31 (31 is the firmware bank)")
        ->check(CLI::Range(0, static_cast<int>(BankSet::kRows) - 1));
}

int Command::checkSlot(const BankSet& banks, std::size_t row, unsigned slot)
{
    const unsigned slots = banks.bank(row).getContentCount();
    if (slot < slots)
        return 0;
    std::cerr << "zylox: --slot " << slot << ": bank " << row << " has slots 0 to " << slots - 1 << '\n';
    return 2;
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
