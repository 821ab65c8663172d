#include "cli/PlayCommand.h"

#include "cli/BankSet.h"
#include "content/CContent.h"
#include "model/BankNumber.h"
#include "playback/ISoundOutput.h"

#include <CLI/CLI.hpp>

#include <future>
#include <utility>

PlayCommand::PlayCommand(CLI::App& app, OutputFactory makeOutput)
    : Command(app, "play", "Play a sample slot through the system's sound output")
    , m_makeOutput(std::move(makeOutput))
{
    addBankOption(*m_command, m_row)->required();
    m_command->add_option("--slot", m_slot, "Slot, 0 to 5")->required()->check(CLI::Range(0, 5));
    addBankFileOption();
}

int PlayCommand::run()
{
    BankSet banks;
    if (const int status = openSlotBanks(banks, m_row, m_slot))
        return status;
    const IBank& bank = banks.bank(m_row);
    const auto slot = static_cast<std::uint16_t>(m_slot);
    const CContent& content = *bank.getContent(slot);
    if (!content.isSample())
        return fail(BankNumber::of(static_cast<std::uint16_t>(m_row)) + " " + bank.getContentLabel(slot), "holds a System Exclusive message, not a sound");
    const std::unique_ptr<ISoundOutput> output = m_makeOutput();
    if (const std::string reason = output->unavailableReason(); !reason.empty())
        return fail("play", reason);

    std::promise<std::string> ended; // empty when every sample was heard
    output->play(content.getData(), [&ended](bool played, const std::string& failure) {
        ended.set_value(played ? std::string() : failure.empty() ? "the sound output stopped before the end of the slot" : failure);
    });
    if (const std::string failure = ended.get_future().get(); !failure.empty())
        return fail("play", failure);
    return 0;
}
