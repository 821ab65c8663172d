#include "cli/ExportCommand.h"

#include "cli/BankSet.h"
#include "cli/OutputFile.h"
#include "content/CContent.h"

#include <CLI/CLI.hpp>

#include <cstdint>
#include <iostream>
#include <vector>

namespace {

// The device's own format.
constexpr std::uint32_t deviceRate = 33000;

void appendTag(std::vector<std::uint8_t>& bytes, const char* tag)
{
    bytes.insert(bytes.end(), tag, tag + 4);
}

void appendLittle(std::vector<std::uint8_t>& bytes, std::uint32_t value, unsigned width)
{
    for (unsigned i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A canonical PCM WAV file: mono, 8-bit unsigned, 33 kHz, the bytes as they are.
std::vector<std::uint8_t> deviceWave(const std::vector<std::uint8_t>& samples)
{
    const auto dataLength = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t pad = dataLength & 1u;
    std::vector<std::uint8_t> bytes;
    appendTag(bytes, "RIFF");
    appendLittle(bytes, 36 + dataLength + pad, 4);
    appendTag(bytes, "WAVE");
    appendTag(bytes, "fmt ");
    appendLittle(bytes, 16, 4);
    appendLittle(bytes, 1, 2);           // PCM
    appendLittle(bytes, 1, 2);           // channels
    appendLittle(bytes, deviceRate, 4);  // frames per second
    appendLittle(bytes, deviceRate, 4);  // bytes per second
    appendLittle(bytes, 1, 2);           // bytes per frame
    appendLittle(bytes, 8, 2);           // bits per sample
    appendTag(bytes, "data");
    appendLittle(bytes, dataLength, 4);
    bytes.insert(bytes.end(), samples.begin(), samples.end());
    bytes.resize(bytes.size() + pad, 0);
    return bytes;
}

} // namespace

ExportCommand::ExportCommand(CLI::App& app)
    : Command(app, "export", "Write a sample slot as a WAV file, or a firmware slot as a .syx file")
{
    addBankOption(*m_command, m_row)->required();
    m_command->add_option("--slot", m_slot, "Slot, 0 to 5 (0 to 1 in the firmware bank)")
        ->required()
        ->check(CLI::Range(0, 5));
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The .wav or .syx file to write")->required();
}

int ExportCommand::run()
{
    BankSet banks;
    if (const int status = checkSlot(m_row, m_slot))
        return status;
    // Opening replaces banks: take the row's bank only afterwards.
    if (const int status = openBankFile(banks))
        return status;
    const IBank& bank = banks.bank(m_row);
    const CContent& content = *bank.getContent(static_cast<std::uint16_t>(m_slot));
    const std::vector<std::uint8_t> bytes = content.isSample() ? deviceWave(content.getData()) : content.getData();
    std::string reason;
    if (!OutputFile::write(m_output, bytes, reason))
        return fail(m_output, reason);
    return 0;
}
