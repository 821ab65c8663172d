#include "cli/ImportCommand.h"

#include "audio/SoundFileTypes.h"
#include "bytes/SourceFileReader.h"
#include "cli/AdviceWords.h"
#include "cli/BankFileOutput.h"
#include "cli/BankSet.h"
#include "content/SlotContent.h"
#include "model/BankNumber.h"
#include "model/FactoryBank.h"
#include "model/MessageSlotRefusal.h"

#include <CLI/CLI.hpp>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>

std::string ImportCommand::reasonFor(const audio::ImportResult& refused, const IBank& bank, std::uint16_t slot)
{
    using Refusal = audio::ImportResult::Refusal;
    if (std::string message = messageSlotRefusal(refused, bank.getContentLabel(slot), slot); !message.empty())
        return message;
    switch (refused.refusal) {
    case Refusal::OtherSoundFormat:
        return std::string(audio::kWrongFileFormat) + ": this sound's format cannot be decoded; zylox imports "
               + audio::decodedFormatsText() + " sounds";
    case Refusal::Undecodable:
        return "could not be decoded: " + refused.detail();
    case Refusal::NotASound:
        return "not a sound file zylox decodes; --raw loads its bytes into the slot as they are";
    case Refusal::FitOutOfReach:
        return refused.detail();
    case Refusal::NoSound:
        if (std::string advice = AdviceWords::refusal(refused); !advice.empty())
            return advice;
        break;
    case Refusal::BankFile:
    case Refusal::NoMessage:
    case Refusal::ForeignMessage:
    case Refusal::EraseMessage:
    case Refusal::WrongBlock:
    case Refusal::OtherSlotMessage:
    case Refusal::MessageLength:
        break;
    }
    return "holds no sound";
}

ImportCommand::ImportCommand(CLI::App& app)
    : Command(app, "import", "Import files into consecutive slots and write the bank (or all banks) to a bank file")
{
    addBankOption(*m_command, m_row)->required();
    m_slot
        .addTo(*m_command, "Slot: 0 to 5 (0 to 1 in the firmware bank) or its label (\"CLOSED HI HAT\", any case); the "
                           "first SOURCE's, each further one goes into the next slot")
        ->required();
    m_command
        ->add_option("source", m_sources,
                     "Sound files (" + audio::decodedFormatsText()
                         + "), raw sample "
                           "bytes, or a System Exclusive file for a firmware slot")
        ->required();
    m_command->add_flag("--raw", m_raw,
                        "Load a file that does not decode as a sound into a sample slot as "
                        "raw 8-bit device bytes, whatever its first bytes look like");
    m_shape.addTo(*m_command);
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The bank file to write")->required();
    m_command->add_flag("--all", m_all, "Write all 32 banks instead of the one bank");
}

int ImportCommand::importInto(IBank& bank, std::uint16_t slot, const std::string& path,
                              const audio::SoundShape& options, audio::ImportResult& result) const
{
    // Read where the slot needs it: a sound's region (of standard input or a FIFO, read through to
    // it), a message's first bytes.
    SourceFileReader source(path);
    if (source.error() != 0)
        return fail(path, std::strerror(source.error()));
    result = bank.importContent(slot, source, path, options);
    if (source.error() != 0)
        return fail(path, std::strerror(source.error()));
    return 0;
}

int ImportCommand::run()
{
    if (const int status = m_shape.resolve())
        return status;
    const std::optional<std::uint16_t> chosen = m_slot.resolve(m_row);
    if (!chosen)
        return 2;
    const std::uint16_t first = *chosen;
    const unsigned last = first + static_cast<unsigned>(m_sources.size()) - 1;
    if (const unsigned slots = factory::slotCount(m_row); last >= slots) {
        std::cerr << "zylox: " << m_sources.size() << " sources need slots " << first << " to " << last << ", but bank "
                  << BankNumber::of(static_cast<std::uint16_t>(m_row)) << " has slots 0 to " << slots - 1 << '\n';
        return 2;
    }
    BankSet banks;
    if (const int status = openBankFile(banks, m_row))
        return status;
    IBank& bank = banks.bank(m_row);
    audio::SoundShape options = m_shape.shape();
    options.raw = m_raw;
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < m_sources.size(); ++i) {
        const std::string& path = m_sources[i];
        const auto slot = static_cast<std::uint16_t>(first + i);
        audio::ImportResult result;
        if (const int status = importInto(bank, slot, path, options, result))
            return status;
        const std::string name = std::filesystem::path(path).filename().string();
        const std::string where = SlotChoice::name(m_row, slot);
        // A sound named as the lines of those that went in: by its slot, then its file as given.
        if (!result) {
            std::string named = path;
            if (bank.isSampleContent(slot))
                named.insert(0, where + ": ");
            return fail(named, reasonFor(result, bank, slot));
        }
        lines.push_back(where + ": " + result.describeInNamedSlot(name));
        if (const std::string warning = AdviceWords::warning(result); !warning.empty())
            std::cerr << "zylox: " << where << ": " << name << ": " << warning << '\n';
    }

    std::string reason;
    if (!BankFileOutput::write(banks, m_all, m_row, m_output, reason))
        return fail(m_output, reason);
    for (const std::string& line : lines)
        std::cout << line << '\n';
    return 0;
}
