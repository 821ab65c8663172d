#include "cli/ExportCommand.h"

#include "audio/DeviceWave.h"
#include "bytes/AtomicFile.h"
#include "cli/BankSet.h"
#include "content/SlotContent.h"
#include "model/BankSoundFiles.h"

#include <CLI/CLI.hpp>

#include <array>
#include <charconv>
#include <iostream>
#include <vector>

namespace {

// Samples per second of every slot.
constexpr double kDeviceRate = 33000.0;

// What the written file holds, in the words of the import's line.
std::string what(const SlotContent& content)
{
    const std::size_t bytes = content.getData().size();
    if (!content.isSample()) {
        std::string grouped = std::to_string(bytes);
        for (std::size_t at = grouped.size(); at > 3; at -= 3)
            grouped.insert(at - 3, 1, ',');
        return "System Exclusive message of " + grouped + " bytes";
    }
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                   static_cast<double>(bytes) / kDeviceRate, std::chars_format::fixed, 2)
                         .ptr;
    return std::string(digits.data(), end) + " s";
}

} // namespace

ExportCommand::ExportCommand(CLI::App& app)
    : Command(app, "export",
              "Write a sample slot as a WAV file, or a firmware slot as a .syx file; or a sound bank's six slots as "
              "WAV files in a folder")
{
    addBankOption(*m_command, m_row)->required();
    CLI::Option* slot = m_slot.addTo(
        *m_command, "Slot: 0 to 5 (0 to 1 in the firmware bank) or its label (\"CLOSED HI HAT\", any case)");
    m_command
        ->add_flag("--all-slots", m_allSlots,
                   "Every slot of the sound bank, each as a WAV file named after its label and name, into the folder "
                   "-o names (made if missing)")
        ->excludes(slot);
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The .wav or .syx file to write, or the folder of --all-slots")
        ->required();
}

int ExportCommand::run()
{
    if (m_allSlots)
        return exportAll();
    if (!m_slot.given()) {
        std::cerr << "zylox: export: name the slot with --slot, or give --all-slots\n";
        return 2;
    }
    if (const int status = refuseOutputOverBankFile(m_output, ".wav or .syx file"))
        return status;
    BankSet banks;
    std::uint16_t slot = 0;
    if (const int status = openSlotBanks(banks, m_row, m_slot, slot))
        return status;
    const IBank& bank = banks.bank(m_row);
    const SlotContent& content = *bank.getContent(slot);
    const std::vector<std::uint8_t> bytes
        = content.isSample() ? audio::deviceWave(content.getData()) : content.getData();
    if (const FileFailure failure = AtomicFile::writeWhole(m_output, bytes))
        return fail(m_output, failure.describe());
    std::cout << SlotChoice::name(m_row, slot) << ": " << what(content) << " into " << m_output << '\n';
    return 0;
}

int ExportCommand::exportAll() const
{
    if (const Text refusal = BankSoundFiles::refusalFor(m_row); !refusal.empty()) {
        std::cerr << "zylox: --bank FW: " << refusal.english() << '\n';
        return 2;
    }
    BankSet banks;
    if (const int status = openBankFile(banks, m_row))
        return status;
    const IBank& bank = banks.bank(m_row);
    const BankSoundFiles::Written written = BankSoundFiles::write(bank, m_output);
    for (std::size_t slot = 0; slot < written.paths.size(); ++slot) {
        const auto index = static_cast<std::uint16_t>(slot);
        std::cout << SlotChoice::name(m_row, index) << ": " << what(*bank.getContent(index)) << " into "
                  << written.paths[slot] << '\n';
    }
    if (written.failure)
        return fail(written.failedPath, written.failure.describe());
    return 0;
}
