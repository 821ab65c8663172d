#include "cli/InfoCommand.h"

#include "cli/BankSet.h"
#include "content/SlotContent.h"
#include "model/BankNumber.h"
#include "model/FactoryTables.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>

#include <unistd.h>

namespace {

// Names are free text; control characters are escaped so that every bank stays one line of fields.
std::string field(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '\\') {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02x", byte);
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

InfoCommand::InfoCommand(CLI::App& app)
    : Command(
        app, "info",
        "List the banks: row, number (S01 to S31, FW), index, name, then each slot's label, name and length in bytes")
{
    m_bank = addBankOption(*m_command, m_row);
    m_bank->description("Only this bank: S01 to S31 or FW as the editor shows it, or its row 0 to 31");
    addBankFileOption(Readdress::NotOffered);
}

int InfoCommand::run()
{
    BankSet banks;
    if (const int status = openBankFile(banks, std::nullopt))
        return status;
    // A header helps the eye; scripts read the lines through a pipe, and there they stay lines of banks only.
    if (::isatty(STDOUT_FILENO) == 1) {
        std::cout << "row\tbank\tindex\tname";
        for (unsigned slot = 0; slot < factory::kSoundSlotCount; ++slot)
            std::cout << "\tslot " << slot << "\tname\tbytes";
        std::cout << '\n';
    }
    for (std::size_t row = 0; row < banks.size(); ++row) {
        if (m_bank->count() > 0 && row != m_row)
            continue;
        const IBank& bank = banks.bank(row);
        std::cout << row << '\t' << BankNumber::of(static_cast<std::uint16_t>(row)) << '\t' << bank.getIndex() << '\t'
                  << field(bank.getName());
        for (std::uint16_t slot = 0; slot < bank.getContentCount(); ++slot) {
            const SlotContent* content = bank.getContent(slot);
            std::cout << '\t' << field(bank.getContentLabel(slot)) << '\t' << field(bank.getContentName(slot)) << '\t'
                      << (content != nullptr ? content->getSize() : 0);
        }
        std::cout << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : fail("standard output", "cannot be written");
}
