#include "cli/DumpCommand.h"

#include "bytes/AtomicFile.h"
#include "cli/BankSet.h"
#include "flash/FlashEvent.h"
#include "model/BankNumber.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <vector>

DumpCommand::DumpCommand(CLI::App& app)
    : Command(app, "dump", "Write a bank's dump (erase, write, erase, write) as raw System Exclusive bytes")
{
    addBankOption(*m_command, m_row)->required();
    addChannelOption(*m_command, m_channel);
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The .syx file to write")->required();
}

int DumpCommand::run()
{
    if (const int status = refuseOutputOverBankFile(m_output, ".syx file"))
        return status;
    BankSet banks;
    if (const int status = openBankFile(banks, m_row))
        return status;
    // A dump is made to be sent: one the device must not take is not written.
    if (const std::optional<SlotRefusal> refusal = banks.bank(m_row).sendRefusal())
        return fail(BankNumber::of(static_cast<std::uint16_t>(m_row)), refusal->describe());
    std::vector<std::uint8_t> bytes;
    for (const FlashEvent* event : banks.bank(m_row).createEvents(m_channel)) {
        const std::vector<std::uint8_t>& message = event->getData();
        bytes.insert(bytes.end(), message.begin(), message.end());
    }
    if (const FileFailure failure = AtomicFile::writeWhole(m_output, bytes))
        return fail(m_output, failure.describe());
    std::cout << BankNumber::of(static_cast<std::uint16_t>(m_row)) << ": dump (erase, write, erase, write) on channel "
              << m_channel + 1 << " into " << m_output << '\n';
    return 0;
}
