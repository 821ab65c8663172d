#include "cli/ImportCommand.h"

#include "cli/BankFileOutput.h"
#include "cli/BankSet.h"
#include "audio/SoundFileTypes.h"
#include "content/CContent.h"
#include "midifile/SourceFile.h"
#include "model/MessageSlotRefusal.h"

#include <CLI/CLI.hpp>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>

namespace {

std::string reasonFor(const audio::ImportResult& refused, const IBank& bank, std::uint16_t slot)
{
    using Refusal = audio::ImportResult::Refusal;
    if (const std::string message = messageSlotRefusal(refused, bank.getContentLabel(slot), slot); !message.empty())
        return message;
    switch (refused.refusal) {
    case Refusal::OtherSoundFormat:
        return std::string(audio::kWrongFileFormat) + ": this sound's format cannot be decoded; zylox imports " + audio::decodedFormatsText()
               + " sounds";
    case Refusal::Undecodable:
        return "could not be decoded: " + refused.detail;
    case Refusal::NotASound:
        return "not a sound file zylox decodes; --raw loads its bytes into the slot as they are";
    case Refusal::FitOutOfReach:
        return refused.detail;
    case Refusal::NoSound:
    case Refusal::BankFile:
    case Refusal::NoMessage:
    case Refusal::ForeignMessage:
    case Refusal::EraseMessage:
    case Refusal::WrongBlock:
    case Refusal::MessageLength:
        break;
    }
    return "holds no sound";
}

} // namespace

ImportCommand::ImportCommand(CLI::App& app)
    : Command(app, "import", "Import a file into a slot and write the bank (or all banks) to a bank file")
{
    addBankOption(*m_command, m_row)->required();
    m_command->add_option("--slot", m_slot, "Slot, 0 to 5 (0 to 1 in the firmware bank)")
        ->required()
        ->check(CLI::Range(0, 5));
    m_command->add_option("source", m_source, "Sound file (" + audio::decodedFormatsText() + "), raw sample "
                                              "bytes, or a System Exclusive file for a firmware slot")
        ->required();
    m_command->add_flag("--raw", m_options.raw, "Load a file that does not decode as a sound into a sample slot as "
                                                "raw 8-bit device bytes, whatever its first bytes look like");
    const std::map<std::string, audio::Resampling> resamplings = {{"classic", audio::Resampling::Classic},
                                                                  {"clean", audio::Resampling::Clean}};
    m_command
        ->add_option("--resample", m_options.resampling,
                     "How a sound is converted: classic (the default, as slots always were) or clean "
                     "(band-limited, rounded to 8 bits)")
        ->transform(CLI::CheckedTransformer(resamplings, CLI::ignore_case));
    m_command->add_flag("--normalize", m_options.normalize, "Scale the sound so that its peak reaches full scale");
    m_command->add_flag("--trim", m_options.trim, "Drop the silence before the sound starts");
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The bank file to write")->required();
    m_command->add_flag("--all", m_all, "Write all 32 banks instead of the one bank");
}

int ImportCommand::run()
{
    BankSet banks;
    if (const int status = openSlotBanks(banks, m_row, m_slot))
        return status;
    IBank& bank = banks.bank(m_row);
    const auto slot = static_cast<std::uint16_t>(m_slot);
    // Read once: standard input or a FIFO has nothing left for a second reading.
    const SourceFile source(m_source, bank.getContent(slot)->sourceLimit());
    if (source.error() != 0)
        return fail(m_source, std::strerror(source.error()));
    const audio::ImportResult result = bank.importContent(slot, source.bytes(), m_source, m_options);
    if (!result)
        return fail(m_source, reasonFor(result, bank, slot));

    std::string reason;
    if (!BankFileOutput::write(banks, m_all, m_row, m_output, reason))
        return fail(m_output, reason);
    std::cout << result.describe(std::filesystem::path(m_source).filename().string(), bank.getContentLabel(slot)) << '\n';
    return 0;
}
