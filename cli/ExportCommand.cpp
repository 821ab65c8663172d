#include "cli/ExportCommand.h"

#include "audio/DeviceWave.h"
#include "cli/BankSet.h"
#include "cli/OutputFile.h"
#include "content/CContent.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <vector>

ExportCommand::ExportCommand(CLI::App& app)
    : Command(app, "export", "Write a sample slot as a WAV file, or a firmware slot as a .syx file")
{
    addBankOption(*m_command, m_row)->required();
    m_command->add_option("--slot", m_slot, "Slot, 0 to 5 (0 to 1 in the firmware bank)")
        ->required()
        ->check(CLI::Range(0, 5));
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The .wav or .syx file to write")->required();
}

int ExportCommand::run()
{
    BankSet banks;
    if (const int status = openSlotBanks(banks, m_row, m_slot))
        return status;
    const IBank& bank = banks.bank(m_row);
    const CContent& content = *bank.getContent(static_cast<std::uint16_t>(m_slot));
    const std::vector<std::uint8_t> bytes = content.isSample() ? audio::deviceWave(content.getData()) : content.getData();
    std::string reason;
    if (!OutputFile::write(m_output, bytes, reason))
        return fail(m_output, reason);
    return 0;
}
