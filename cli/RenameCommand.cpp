#include "cli/RenameCommand.h"

#include "cli/BankFileOutput.h"
#include "cli/BankSet.h"
#include "model/BankNumber.h"
#include "model/NameRefusal.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>
#include <vector>

RenameCommand::RenameCommand(CLI::App& app)
    : Command(app, "rename", "Rename a bank, or one of its slots, and write the bank file")
{
    addBankOption(*m_command, m_row)->required();
    m_slot.addTo(*m_command, "Slot to rename instead of the bank: 0 to 5 (0 to 1 in the firmware bank) or its label "
                             "(\"CLOSED HI HAT\", any case)");
    m_command
        ->add_option("name", m_name,
                     "The new name: empty, or up to " + std::to_string(NameRefusal::kLongestName) + " bytes of UTF-8")
        ->required();
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The bank file (.mid) to write")->required();
    m_command->add_flag("--all", m_all, "Write all 32 banks, not only the renamed one");
}

int RenameCommand::run()
{
    if (const std::optional<NameRefusal> refused = NameRefusal::of(m_name)) {
        std::cerr << "zylox: name: " << refused->describe() << '\n';
        return 2;
    }
    BankSet banks;
    std::optional<std::uint16_t> slot;
    if (m_slot.given() && !(slot = m_slot.resolve(m_row)))
        return 2;
    if (const int status = openBankFile(banks, m_row))
        return status;
    IBank& renamed = banks.bank(m_row);
    if (slot) {
        // A bank opened from a file without slot names has none to rename; give it a full list.
        std::vector<std::string> names = renamed.getContentNames();
        if (names.size() < renamed.getContentCount()) {
            names.resize(renamed.getContentCount());
            renamed.setContentNames(names);
        }
        renamed.setContentName(*slot, m_name.c_str());
    } else {
        renamed.setName(m_name.c_str());
    }
    std::string reason;
    if (!BankFileOutput::write(banks, m_all, m_row, m_output, reason))
        return fail(m_output, reason);
    std::cout << (slot ? SlotChoice::name(m_row, *slot) : BankNumber::of(static_cast<std::uint16_t>(m_row)))
              << ": named \"" << m_name << "\" into " << m_output << (m_all ? " (all 32 banks)" : "") << '\n';
    return 0;
}
