#include "cli/SendCommand.h"

#include "cli/BankSender.h"
#include "cli/BankSet.h"
#include "midiio/BankBlocks.h"
#include "midiio/BankTransmitter.h"
#include "midiio/record/DeviceRecord.h"
#include "midiio/record/SenderLock.h"
#include "model/BankNumber.h"

#include <CLI/CLI.hpp>

#include <atomic>
#include <csignal>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

// The handler may run on any of the program's threads. Both stores are lock-free atomics, the
// wrapper's stop among them, so the handler may make them.
std::atomic<int> stopSignal{0};
std::atomic<BankTransmitter*> stopping{nullptr};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<BankTransmitter*>::is_always_lock_free);

void stopOnSignal(int signal)
{
    stopSignal.store(signal);
    if (BankTransmitter* wrapper = stopping.load())
        wrapper->stop();
}

// SIGINT and SIGTERM stop the transmission through the wrapper instead of the program while it lasts.
class SignalsStopSending {
public:
    explicit SignalsStopSending(BankTransmitter& wrapper)
    {
        stopSignal.store(0);
        stopping.store(&wrapper);
        struct sigaction action { };
        action.sa_handler = stopOnSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_int);
        sigaction(SIGTERM, &action, &m_term);
    }
    ~SignalsStopSending()
    {
        sigaction(SIGINT, &m_int, nullptr);
        sigaction(SIGTERM, &m_term, nullptr);
        stopping.store(nullptr);
    }
    SignalsStopSending(const SignalsStopSending&) = delete;
    SignalsStopSending& operator=(const SignalsStopSending&) = delete;

private:
    struct sigaction m_int { };
    struct sigaction m_term { };
};

// The account on one line, its sentences joined by semicolons.
std::string account(const TransmissionAccount& account)
{
    std::string text = account.describe();
    for (std::size_t at = text.find(".\n"); at != std::string::npos; at = text.find(".\n", at))
        text.replace(at, 2, "; ");
    return text;
}

} // namespace

SendCommand::SendCommand(CLI::App& app, ServiceFactory makeService, IClock& clock, std::function<bool()> hasTerminal)
    : Command(app, "send", "Transmit a bank, or all banks, to the device over a MIDI output")
    , m_makeService(std::move(makeService))
    , m_clock(clock)
    , m_hasTerminal(std::move(hasTerminal))
{
    m_command
        ->add_option("--port", m_port,
                     "MIDI output: its index as `zylox ports` lists them, or a part of its name that no other has")
        ->required();
    auto* bank = addBankOption(*m_command, m_row);
    auto* all = m_command->add_flag("--all", m_all, "All 32 banks in row order (takes close to an hour)");
    bank->excludes(all);
    m_command
        ->add_option("--from", m_from, "With --all: start at this bank (S01 to S31, FW or a row), send it and the rest")
        ->type_name("BANK")
        ->transform(bankRow())
        ->needs(all);
    m_command->add_flag("--changed", m_changed,
                        "Only the flash blocks that differ from what this device was last sent (as this program "
                        "recorded it)");
    m_command->add_flag("--os", m_os,
                        "Also rewrite the device's operating system (the firmware bank's block 63); left alone "
                        "otherwise, --yes included");
    m_pacingOptions = addPacingOptions(*m_command, m_pacing, "For this send only: ");
    addChannelOption(*m_command, m_channel);
    addBankFileOption();
    m_command->add_flag("--yes", m_yes, "Send all banks without asking");
    m_command->callback([bank, all] {
        if (bank->count() == 0 && all->count() == 0)
            throw CLI::RequiredError("--bank or --all");
    });
}

bool SendCommand::confirm(std::size_t banks, std::int64_t estimateSeconds) const
{
    std::cerr << "Sending " << banks << " banks takes about " << TransmissionRun::durationText(estimateSeconds)
              << ".\nDo you want to really transmit? [y/N] " << std::flush;
    std::string answer;
    std::getline(std::cin, answer);
    return answer == "y" || answer == "Y" || answer == "yes";
}

std::vector<RowBank> SendCommand::chosenBanks(BankSet& banks, const DeviceRecord& record) const
{
    std::vector<RowBank> chosen;
    for (std::size_t row = m_all ? m_from : m_row; row < (m_all ? factory::kBankCount : m_row + 1); ++row)
        chosen.push_back({row, &banks.bank(row)});
    if (!m_os && chosen.back().row == bankblocks::kFirmwareRow) {
        chosen = bankblocks::leavingOperatingSystemAlone(chosen);
        std::cout << "FW: the device's operating system (block 63) is left alone (add --os to rewrite it)\n";
    }
    return m_changed ? record.differing(chosen, m_channel) : chosen;
}

int SendCommand::run()
{
    BankSet banks;
    if (const int status = openBankFile(banks, m_all ? std::nullopt : std::optional<std::size_t>(m_row)))
        return status;

    const std::shared_ptr<IMidiService> service = m_makeService();
    MidiContext system(*service, m_clock);
    const std::string port = "port " + m_port;
    MidiPortIdentity output;
    if (const int status = choosePort(*service, m_port, output))
        return status;
    if (const int status = handOverRecord(*service, output, m_hasTerminal()))
        return status;

    // Held from before the record is read until the send has ended: no other sender changes the
    // device, or what its record says, meanwhile.
    const SenderLock::Taken lock = SenderLock::take(output, "zylox", SenderLock::Places::of(*service));
    if (!lock.lock)
        return fail(port, "nothing sent: " + lock.refusal.describe());
    DeviceRecord record(DeviceRecord::defaultFolder(), output);
    const OutputPacing pacing = m_pacingOptions.over(record.pacing(), m_pacing);
    const std::vector<RowBank> chosen = chosenBanks(banks, record);
    if (m_changed) {
        const std::size_t of = m_all ? factory::kBankCount - m_from : 1;
        std::cout << chosen.size() << " of " << of << (of == 1 ? " bank differs" : " banks differ") << " from what "
                  << nameOf(*service, output) << " was last sent: " << bankblocks::list(bankblocks::rowsOf(chosen))
                  << " (as this program recorded it; send without --changed if the device was changed by other means)\n"
                  << std::flush;
        if (chosen.empty())
            return 0;
    }
    if (m_all && !m_yes && !confirm(chosen.size(), TransmissionRun::estimateSeconds(chosen, m_channel, pacing)))
        return fail("all banks", "not confirmed, nothing sent");

    // Devices may have come and gone while the question waited: the banks go to the device that
    // was chosen, wherever it is listed now, or nowhere.
    const std::shared_ptr<BankTransmitter> wrapper = BankTransmitter::createTransmitterTo(system, output);
    if (!wrapper)
        return fail(port, nameOf(*service, output) + " is not connected any more; nothing sent");
    wrapper->setPacing(pacing);
    if (pacing != OutputPacing{})
        std::cout << "pacing: " << pacingText(pacing) << '\n';
    BankSender sender(std::cout, isatty(STDOUT_FILENO) == 1);
    TransmissionAccount sent;
    {
        const SignalsStopSending signals(*wrapper);
        sent = sender.send(*wrapper, chosen, static_cast<std::int32_t>(m_channel), &record);
    }
    // The banks went out all the same; the next send of them with --changed repeats them.
    if (sent.unkept)
        std::cerr << "zylox: " << port << ": " << sent.unkept.describe() << "; what was sent counts as unknown there\n";
    switch (sent.end) {
    case TransmissionAccount::End::Sent:
        return 0;
    case TransmissionAccount::End::Stopped:
        std::cerr << "zylox: " << port << ": stopped\n" << sent.describe() << '\n';
        return stopSignal.load() == SIGTERM ? 143 : 130;
    case TransmissionAccount::End::Failed:
        break;
    }
    const std::size_t failed = sent.incomplete ? *sent.incomplete : sent.notSent.front();
    const std::string bank
        = BankNumber::of(static_cast<std::uint16_t>(failed)) + " (" + banks.bank(failed).getName() + ")";
    if (const std::string why = sent.notSentBecause(); !why.empty())
        return fail(port, "bank " + bank + " not sent: " + why + "; " + account(sent));
    return fail(port, "transmission of bank " + bank + " failed: " + account(sent));
}
