#include "cli/Command.h"

#include "cli/BankSet.h"
#include "cli/PortChoice.h"
#include "cli/SlotChoice.h"
#include "midiio/MidiDestinations.h"
#include "midiio/record/DeviceRecord.h"
#include "midiio/record/RecordHandover.h"
#include "model/BankNumber.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <unistd.h>

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

Command::PacingOptions Command::addPacingOptions(CLI::App& to, OutputPacing& given, const std::string& purpose)
{
    PacingOptions options;
    options.piece = to.add_option("--piece", given.pieceBytes,
                                  purpose + "the largest piece of a message handed to the MIDI output at once, "
                                      + std::to_string(OutputPacing::kSmallestPiece) + " to "
                                      + std::to_string(OutputPacing::kLargestPiece) + " bytes (256 unless set)")
                        ->type_name("BYTES")
                        ->check(CLI::Range(OutputPacing::kSmallestPiece, OutputPacing::kLargestPiece));
    options.gap = to.add_option("--gap", given.gapMilliseconds,
                                purpose + "a gap after each piece, 0 to "
                                    + std::to_string(OutputPacing::kLongestGapMilliseconds)
                                    + " milliseconds, for interfaces that drop bytes of long messages (0 unless set)")
                      ->type_name("MS")
                      ->check(CLI::Range(0U, OutputPacing::kLongestGapMilliseconds));
    return options;
}

OutputPacing Command::PacingOptions::over(OutputPacing pacing, const OutputPacing& given) const
{
    if (piece->count() > 0)
        pacing.pieceBytes = given.pieceBytes;
    if (gap->count() > 0)
        pacing.gapMilliseconds = given.gapMilliseconds;
    return pacing;
}

std::string Command::pacingText(const OutputPacing& pacing)
{
    return "pieces of " + std::to_string(pacing.pieceBytes) + " bytes, "
           + (pacing.gapMilliseconds == 0 ? std::string("no gap")
                                          : std::to_string(pacing.gapMilliseconds) + " ms after each")
           + (pacing == OutputPacing{} ? " (the wire's own pace)" : "");
}

int Command::choosePort(IMidiService& service, const std::string& wanted, MidiPortIdentity& chosen)
{
    const std::vector<MidiPortIdentity> outputs = MidiDestinations::identities(service);
    if (outputs.empty())
        return fail("port " + wanted, MidiDestinations::absence(service));
    return chooseAmong(outputs, wanted,
                       {"port", "no such MIDI output (see zylox ports)", "output port", "output ports", "ports"},
                       chosen);
}

int Command::chooseAmong(const std::vector<MidiPortIdentity>& among, const std::string& wanted,
                         const ChoiceWords& words, MidiPortIdentity& chosen)
{
    const PortChoice choice(MidiDestinations::listedNames(among), wanted);
    switch (choice.outcome()) {
    case PortChoice::Outcome::Found:
        chosen = among[choice.index()];
        return 0;
    case PortChoice::Outcome::NoSuchIndex:
        return fail(std::string(words.option) + " " + wanted, words.noSuch);
    case PortChoice::Outcome::NoMatch:
    case PortChoice::Outcome::SeveralMatch:
        break;
    }
    std::cerr << "zylox: --" << words.option << " " << wanted
              << (choice.outcome() == PortChoice::Outcome::NoMatch
                      ? std::string(": no ") + words.one + " has this in its name; the " + words.all + " are:\n"
                      : std::string(": several ") + words.several + " have this in their name; name one of them:\n")
              << choice.candidates();
    return 2;
}

bool Command::inputIsTerminal()
{
    return ::isatty(STDIN_FILENO) == 1;
}

std::string Command::nameOf(IMidiService& service, const MidiPortIdentity& output)
{
    return MidiDestinations::nameAmong(MidiDestinations::identities(service), output);
}

int Command::handOverRecord(IMidiService& service, const MidiPortIdentity& output, bool hasTerminal)
{
    const std::string folder = DeviceRecord::defaultFolder();
    RecordHandover handover = RecordHandover::forDevice(folder, output, MidiDestinations::identities(service));
    const auto takeOver = [&] {
        return handover.takeOver(folder, output)
                   ? 0
                   : fail("port " + handover.name(),
                          "its record could not be taken over: " + handover.failure().describe());
    };
    switch (handover.step()) {
    case RecordHandover::Step::None:
        return 0;
    case RecordHandover::Step::TakeOver:
        return takeOver();
    case RecordHandover::Step::Ask:
        break;
    }
    const std::string question
        = "Is this the same ZYLOX 515 as the one last sent to through " + handover.fromName() + "?";
    std::cerr << handover.name() << " has no device record.\n" << question;
    std::string answer;
    if (hasTerminal) {
        std::cerr << " Its record then moves to this socket. [y/N] " << std::flush;
        std::getline(std::cin, answer);
    } else {
        std::cerr << "\nNo terminal to answer: taken as another device, each keeps a record of its own.\n";
    }
    if (answer == "y" || answer == "Y" || answer == "yes")
        return takeOver();
    return handover.keepApart(folder, output) ? 0 : fail("port " + handover.name(), handover.failure().describe());
}

int Command::chooseRecordedDevice(const std::string& wanted, MidiPortIdentity& chosen)
{
    const std::vector<MidiPortIdentity> devices = DeviceRecord::recorded(DeviceRecord::defaultFolder());
    if (devices.empty())
        return fail("device " + wanted, "no device has a record yet (a device gets one when banks are sent to it)");
    return chooseAmong(
        devices, wanted,
        {"device", "no such device (see zylox devices)", "device with a record", "devices with a record", "devices"},
        chosen);
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
            "--channel",
            [&deviceChannel](const unsigned& channel) { deviceChannel = static_cast<std::uint16_t>(channel - 1); },
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
    std::cerr << "zylox: " << m_bankFile << " holds " << BankNumber::of(static_cast<std::uint16_t>(*fileRow))
              << ", not " << bank << " (--readdress moves it onto " << bank << ")\n";
    return 1;
}

int Command::refuseOutputOverBankFile(const std::string& output, const std::string& what) const
{
    std::error_code unknown;
    if (m_bankFile.empty() || !std::filesystem::equivalent(output, m_bankFile, unknown))
        return 0;
    std::cerr << "zylox: " << m_command->get_name() << ": -o " << output << " is the --in bank file: name the " << what
              << " to write after -o\n";
    return 2;
}

int Command::openSlotBanks(BankSet& banks, std::size_t row, const SlotChoice& choice, std::uint16_t& slot) const
{
    const std::optional<std::uint16_t> chosen = choice.resolve(row);
    if (!chosen)
        return 2;
    slot = *chosen;
    return openBankFile(banks, row);
}
