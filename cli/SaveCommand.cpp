#include "cli/SaveCommand.h"

#include "cli/BankFileOutput.h"
#include "cli/BankSet.h"

#include <CLI/CLI.hpp>

SaveCommand::SaveCommand(CLI::App& app)
    : Command(app, "save", "Write one bank, or all banks, to a bank file")
{
    CLI::Option_group* which = m_command->add_option_group("banks", "Which banks to write");
    addBankOption(*which, m_row);
    which->add_flag("--all", m_all, "All 32 banks, one track each");
    which->require_option(1);
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The bank file (.mid) to write")->required();
}

int SaveCommand::run()
{
    BankSet banks;
    if (const int status = openBankFile(banks, m_all ? std::nullopt : std::optional<std::size_t>(m_row)))
        return status;
    std::string reason;
    if (!BankFileOutput::write(banks, m_all, m_row, m_output, reason))
        return fail(m_output, reason);
    return 0;
}
