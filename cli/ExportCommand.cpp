#include "cli/ExportCommand.h"

#include "audio/DeviceWave.h"
#include "cli/BankSet.h"
#include "cli/OutputFile.h"
#include "content/SlotContent.h"

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
    : Command(app, "export", "Write a sample slot as a WAV file, or a firmware slot as a .syx file")
{
    addBankOption(*m_command, m_row)->required();
    m_slot.addTo(*m_command, "Slot: 0 to 5 (0 to 1 in the firmware bank) or its label (\"CLOSED HI HAT\", any case)")
        ->required();
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The .wav or .syx file to write")->required();
}

int ExportCommand::run()
{
    BankSet banks;
    std::uint16_t slot = 0;
    if (const int status = openSlotBanks(banks, m_row, m_slot, slot))
        return status;
    const IBank& bank = banks.bank(m_row);
    const SlotContent& content = *bank.getContent(slot);
    const std::vector<std::uint8_t> bytes
        = content.isSample() ? audio::deviceWave(content.getData()) : content.getData();
    std::string reason;
    if (!OutputFile::write(m_output, bytes, reason))
        return fail(m_output, reason);
    std::cout << SlotChoice::name(m_row, slot) << ": " << what(content) << " into " << m_output << '\n';
    return 0;
}
