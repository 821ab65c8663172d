#include "cli/ImportCommand.h"

#include "audio/ZQAudioFileReader.h"
#include "audio/slot_import.h"
#include "cli/BankFileOutput.h"
#include "cli/BankSet.h"
#include "content/CContent.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>

ImportCommand::ImportCommand(CLI::App& app)
    : Command(app, "import", "Import a file into a slot and write the bank (or all banks) to a bank file")
{
    addBankOption(*m_command, m_row)->required();
    m_command->add_option("--slot", m_slot, "Slot, 0 to 5 (0 to 1 in the firmware bank)")
        ->required()
        ->check(CLI::Range(0, 5));
    m_command->add_option("source", m_source, "WAV or AIFF file, raw sample bytes, or a System Exclusive file")
        ->required();
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The bank file to write")->required();
    m_command->add_flag("--all", m_all, "Write all 32 banks instead of the one bank");
}

int ImportCommand::run()
{
    BankSet banks;
    if (const int status = checkSlot(m_row, m_slot))
        return status;
    // Opening replaces banks: take the row's bank only afterwards.
    if (const int status = openBankFile(banks))
        return status;
    IBank& bank = banks.bank(m_row);
    const auto slot = static_cast<std::uint16_t>(m_slot);
    {
        errno = 0;
        const ZQAudioFileReader probe(m_source);
        if (!probe.is_open())
            return fail(m_source, errno != 0 ? std::strerror(errno) : "cannot be opened");
        if (audio::isUnconvertibleSound(m_source.c_str()))
            return fail(m_source,
                        "Wrong File Format: ZYLOX626Editor supports only pcm (no compression) formats (*.aif or *.wav).");
    }
    // The bank only names the slot when the import took; a trial on a copy tells whether it will.
    const std::unique_ptr<CContent> trial(bank.getContent(slot)->clone());
    const audio::ImportResult result = trial->load(m_source.c_str());
    if (!result)
        return fail(m_source, trial->isSample() ? "holds no sound" : "holds no System Exclusive message");
    bank.loadContent(slot, m_source.c_str());

    std::string reason;
    if (!BankFileOutput::write(banks, m_all, m_row, m_output, reason))
        return fail(m_output, reason);
    std::cout << result.describe(std::filesystem::path(m_source).filename().string(), bank.getContentLabel(slot)) << '\n';
    return 0;
}
