#include "cli/RenameCommand.h"

#include "cli/BankFileOutput.h"
#include "cli/BankSet.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <vector>

RenameCommand::RenameCommand(CLI::App& app)
    : Command(app, "rename", "Rename a bank, or one of its slots, and write the bank file")
{
    addBankOption(*m_command, m_row)->required();
    m_command->add_option("--slot", m_slot, "Slot to rename instead of the bank, 0 to 5 (0 to 1 in the firmware bank)")
        ->check(CLI::Range(0, 5));
    m_command->add_option("name", m_name, "The new name")->required();
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The bank file (.mid) to write")->required();
    m_command->add_flag("--all", m_all, "Write all 32 banks, not only the renamed one");
}

int RenameCommand::run()
{
    BankSet banks;
    if (m_slot) {
        if (const int status = checkSlot(m_row, *m_slot))
            return status;
    }
    if (const int status = openBankFile(banks, m_row))
        return status;
    IBank& renamed = banks.bank(m_row);
    if (m_slot) {
        // A bank opened from a file without slot names has none to rename; give it a full list.
        std::vector<std::string> names = renamed.getContentNames();
        if (names.size() < renamed.getContentCount()) {
            names.resize(renamed.getContentCount());
            renamed.setContentNames(names);
        }
        renamed.setContentName(static_cast<std::uint16_t>(*m_slot), m_name.c_str());
    } else {
        renamed.setName(m_name.c_str());
    }
    std::string reason;
    if (!BankFileOutput::write(banks, m_all, m_row, m_output, reason))
        return fail(m_output, reason);
    return 0;
}
