#include "cli/SendCommand.h"

#include "cli/BankSender.h"
#include "cli/BankSet.h"
#include "midiio/AlsaMidiService.h"
#include "midiio/SystemClock.h"
#include "midiio/WrapperZQMidiInterface.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <unistd.h>

SendCommand::SendCommand(CLI::App& app)
    : Command(app, "send", "Transmit a bank, or all banks, to the device over a MIDI output")
{
    m_command->add_option("--port", m_port, "MIDI output index, as `zylox ports` lists them")->required();
    auto* bank = addBankOption(*m_command, m_row);
    auto* all = m_command->add_flag("--all", m_all, "All 32 banks in row order (takes close to an hour)");
    bank->excludes(all);
    addChannelOption(*m_command, m_channel);
    addBankFileOption();
    m_command->add_flag("--yes", m_yes, "Send all banks without asking");
    m_command->callback([this, bank, all] {
        if (bank->count() == 0 && all->count() == 0)
            throw CLI::RequiredError("--bank or --all");
    });
}

bool SendCommand::confirmAll(std::int64_t estimateSeconds) const
{
    std::cerr << "The sending of all banks take over 50 Minutes.\nDo you want to really transmit? ("
              << estimateSeconds << " s estimated) [y/N] " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    return answer == "y" || answer == "Y" || answer == "yes";
}

int SendCommand::run()
{
    BankSet banks;
    if (const int status = openBankFile(banks))
        return status;
    std::vector<IBank*> chosen = m_all ? banks.banks() : std::vector<IBank*>{&banks.bank(m_row)};

    AlsaMidiService service;
    SystemClock clock;
    ZQMidiSystem system(service, clock);
    const std::string port = "port " + std::to_string(m_port);
    const std::size_t outputs = service.destinationCount();
    if (m_port >= outputs)
        return fail(port, outputs == 0 ? "no output ports detected" : "no such MIDI output (see zylox ports)");

    if (m_all && !m_yes) {
        std::int64_t estimate = 0;
        for (IBank* bank : chosen)
            estimate += WrapperZQMidiInterface::estimateSeconds(bank->createEvents(m_channel));
        if (!confirmAll(estimate))
            return fail("all banks", "not confirmed, nothing sent");
    }

    BankSender sender(system, std::cout, isatty(STDOUT_FILENO) == 1);
    std::string failedBank;
    if (!sender.send(chosen, static_cast<std::uint16_t>(m_port), static_cast<std::int32_t>(m_channel), failedBank))
        return fail(port, "transmission of bank " + failedBank + " failed");
    return 0;
}
