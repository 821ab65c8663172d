#include "cli/LoudnessCommand.h"

#include "cli/BankSet.h"
#include "cli/SlotChoice.h"
#include "content/SlotContent.h"
#include "model/FactoryBank.h"
#include "soundlibrary/LoudnessMeter.h"
#include "soundlibrary/SlotLoudness.h"

#include <CLI/CLI.hpp>

#include <iostream>

LoudnessCommand::LoudnessCommand(CLI::App& app)
    : Command(app, "loudness",
              "List each slot of a sound bank with its loudness as the device plays it (EBU R128 integrated, in "
              "LUFS), one a line")
{
    addBankOption(*m_command, m_row)->required();
    addBankFileOption();
}

int LoudnessCommand::run()
{
    if (!factory::isSoundRow(m_row)) {
        std::cerr << "zylox: --bank FW: the firmware bank's slots hold messages, not sounds\n";
        return 2;
    }
    if (!soundlibrary::LoudnessMeter::available())
        return fail("loudness", soundlibrary::SlotLoudness::missingLibraryText().english());
    BankSet banks;
    if (const int status = openBankFile(banks, m_row))
        return status;
    const IBank& bank = banks.bank(m_row);
    for (std::uint16_t slot = 0; slot < bank.getContentCount(); ++slot) {
        const SlotContent* content = bank.getContent(slot);
        const std::optional<double> loudness
            = content != nullptr ? soundlibrary::SlotLoudness::of(content->getData()) : std::nullopt;
        std::cout << SlotChoice::name(m_row, slot) << ": " << bank.getContentName(slot) << ": "
                  << soundlibrary::SlotLoudness::text(loudness).english() << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : fail("standard output", "cannot be written");
}
