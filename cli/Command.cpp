#include "cli/Command.h"

#include "cli/BankSet.h"
#include "cli/SlotChoice.h"
#include "model/BankNumber.h"

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
    return to.add_option("--bank", row, "Bank: S01 to S31 or FW as the editor shows it, or its row 0 to 31")
        ->type_name("BANK")
        ->transform(bankRow());
}

CLI::Validator Command::bankRow()
{
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const std::optional<std::uint16_t> row = BankNumber::row(text);
            if (!row)
                return "no bank " + text + " (banks are S01 to S31 and FW, or rows 0 to 31)";
            text = std::to_string(*row);
            return {};
        },
        "S01..S31|FW|0..31");
}

CLI::Option* Command::addChannelOption(CLI::App& to, std::uint16_t& deviceChannel)
{
    return to
        .add_option_function<unsigned>(
            "--channel", [&deviceChannel](const unsigned& channel) { deviceChannel = static_cast<std::uint16_t>(channel - 1); },
            "MIDI channel, 1 to 16 as in the editor (default 1; the firmware bank ignores it)")
        ->type_name("CHANNEL")
        ->check(CLI::Validator(
            [](std::string& text) -> std::string {
                if (text == "0")
                    return "channels count from 1, as in the editor (1 to 16): the old --channel 0 is now --channel 1";
                unsigned channel = 0;
                if (!CLI::detail::lexical_cast(text, channel) || channel < 1 || channel > 16)
                    return "no channel " + text + " (channels are 1 to 16)";
                return {};
            },
            "1..16"));
}

void Command::addBankFileOption(Readdress readdress)
{
    m_command->add_option("--in", m_bankFile, "A bank file (.mid) to open onto the factory banks first");
    if (readdress == Readdress::Offered)
        m_command->add_flag("--readdress", m_readdress,
                            "With a one-bank --in file of another bank than --bank: move its bank onto --bank's row "
                            "(into that bank's flash blocks), as the editor does when asked");
}

int Command::openBankFile(BankSet& banks, std::optional<std::size_t> row) const
{
    if (m_readdress && (m_bankFile.empty() || !row)) {
        std::cerr << "zylox: --readdress moves the one bank of an --in file onto --bank's row: it needs both\n";
        return 2;
    }
    std::string reason;
    if (!m_bankFile.empty() && !banks.open(m_bankFile, row, m_readdress, reason))
        return fail(m_bankFile, reason);
    const std::optional<std::size_t> fileRow = banks.fileBankRow();
    if (m_readdress && !fileRow) {
        std::cerr << "zylox: --readdress: " << m_bankFile << " holds all 32 banks, not one\n";
        return 2;
    }
    if (!row || !fileRow || *fileRow == *row)
        return 0;
    const std::string bank = BankNumber::of(static_cast<std::uint16_t>(*row));
    std::cerr << "zylox: " << m_bankFile << " holds " << BankNumber::of(static_cast<std::uint16_t>(*fileRow)) << ", not "
              << bank << " (--readdress moves it onto " << bank << ")\n";
    return 1;
}

int Command::openSlotBanks(BankSet& banks, std::size_t row, const SlotChoice& choice, std::uint16_t& slot) const
{
    const std::optional<std::uint16_t> chosen = choice.resolve(row);
    if (!chosen)
        return 2;
    slot = *chosen;
    return openBankFile(banks, row);
}
