#include "cli/PlayCommand.h"

#include "cli/BankSet.h"
#include "cli/ImportCommand.h"
#include "audio/slot_import.h"
#include "content/CContent.h"
#include "midifile/SourceFile.h"
#include "playback/ISoundOutput.h"

#include <CLI/CLI.hpp>

#include <cstring>
#include <filesystem>
#include <future>
#include <iostream>
#include <utility>

PlayCommand::PlayCommand(CLI::App& app, OutputFactory makeOutput)
    : Command(app, "play", "Play a sample slot, or what importing a sound file would put into it, through the "
                           "system's sound output")
    , m_makeOutput(std::move(makeOutput))
{
    addBankOption(*m_command, m_row)->required();
    m_slot.addTo(*m_command, "Slot: 0 to 5 or its label (\"CLOSED HI HAT\", any case)")->required();
    m_command->add_option("source", m_source, "A sound file to hear as the import would shape it into the slot "
                                              "(nothing is written)");
    m_shape.addTo(*m_command);
    addBankFileOption();
}

int PlayCommand::run()
{
    if (const int status = m_shape.resolve())
        return status;
    BankSet banks;
    std::uint16_t slot = 0;
    if (const int status = openSlotBanks(banks, m_row, m_slot, slot))
        return status;
    const IBank& bank = banks.bank(m_row);
    const CContent& content = *bank.getContent(slot);
    if (!content.isSample())
        return fail(SlotChoice::name(m_row, slot), "holds a System Exclusive message, not a sound");
    std::vector<std::uint8_t> bytes = content.getData();
    if (!m_source.empty()) {
        if (const int status = shapeSource(bank, slot, bytes))
            return status;
    }
    return play(std::move(bytes));
}

int PlayCommand::shapeSource(const IBank& bank, std::uint16_t slot, std::vector<std::uint8_t>& bytes)
{
    const audio::ImportOptions& options = m_shape.shape();
    const SourceFile source(m_source, audio::sourceLimit(bytes.size(), options));
    if (source.error() != 0)
        return fail(m_source, std::strerror(source.error()));
    // The import's own path, so what is heard is what an import would write.
    const audio::ImportResult result = audio::importSlot(source.bytes(), options, bytes);
    const std::string name = std::filesystem::path(m_source).filename().string();
    if (!result)
        return fail(m_source, ImportCommand::reasonFor(result, bank, slot));
    const std::string where = SlotChoice::name(m_row, slot);
    std::cout << where << ": " << result.describeInNamedSlot(name) << '\n';
    if (const std::string warning = ShapeOptions::silenceWarning(result); !warning.empty())
        std::cerr << "zylox: " << where << ": " << name << ": " << warning << '\n';
    return 0;
}

int PlayCommand::play(std::vector<std::uint8_t> bytes)
{
    const std::unique_ptr<ISoundOutput> output = m_makeOutput();
    if (const std::string reason = output->unavailableReason(); !reason.empty())
        return fail("play", reason);

    std::promise<std::string> ended; // empty when every sample was heard
    output->play(std::move(bytes), [&ended](bool played, const PlaybackFailure& failure) {
        ended.set_value(played ? std::string() : failure ? failure.describe() : "the sound output stopped before the end of the slot");
    });
    if (const std::string failure = ended.get_future().get(); !failure.empty())
        return fail("play", failure);
    return 0;
}
