#include "cli/ImportCommand.h"

#include "cli/BankFileOutput.h"
#include "cli/BankSet.h"
#include "content/CContent.h"
#include "midifile/SourceFile.h"

#include <CLI/CLI.hpp>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>

namespace {

std::string reasonFor(audio::ImportResult::Refusal refusal)
{
    using Refusal = audio::ImportResult::Refusal;
    switch (refusal) {
    case Refusal::NoSound:
        break;
    case Refusal::OtherSoundFormat:
        return "Wrong File Format: this sound's format cannot be decoded; zylox imports WAV, AIFF, AIFF-C, FLAC, "
               "Ogg Vorbis, Opus, MP3, AU, CAF and W64 sounds";
    case Refusal::NotASound:
        return "not a WAV or AIFF sound; --raw loads its bytes into the slot as they are";
    case Refusal::NoMessage:
        return "holds no System Exclusive message";
    case Refusal::WrongBlock:
        return "holds a flash message for another flash block than this slot's";
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
    m_command->add_option("source", m_source, "WAV or AIFF file, raw sample bytes, or a System Exclusive file")
        ->required();
    m_command->add_flag("--raw", m_options.raw, "Load a file that is not a WAV or AIFF sound into a sample slot as "
                                                "raw 8-bit device bytes");
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
        return fail(m_source, reasonFor(result.refusal));

    std::string reason;
    if (!BankFileOutput::write(banks, m_all, m_row, m_output, reason))
        return fail(m_output, reason);
    std::cout << result.describe(std::filesystem::path(m_source).filename().string(), bank.getContentLabel(slot)) << '\n';
    return 0;
}
