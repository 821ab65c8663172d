#include "bankfile/BankFileOpening.h"

#include "bankfile/BankFile.h"
#include "bytes/SourceFile.h"
#include "model/FactoryBank.h"
#include "model/FactoryTables.h"

#include <filesystem>

BankFileOpening BankFileOpening::open(const std::string& path, std::optional<std::size_t> row)
{
    BankFileOpening opening;
    opening.m_row = row;
    // Opened without waiting and nothing read: only whether, and why not, the file can be read.
    opening.m_error = SourceFile(path, 0).error();
    std::error_code ignored;
    if (opening.m_error != 0 || !std::filesystem::is_regular_file(path, ignored))
        return opening;
    BankFile file;
    // Without a row a sound bank reads first: the firmware bank takes any two messages but the
    // erases, a sound bank only whole blocks, and the file's first block tells which sound bank.
    const std::vector<std::size_t> readers
        = row ? std::vector<std::size_t>{*row} : std::vector<std::size_t>{0, factory::kSoundBankCount};
    for (const std::size_t reader : readers) {
        std::unique_ptr<IBank> one = factory::makeBank(reader);
        if (file.openBank(*one, path)) {
            opening.m_fills = Fills::OneRow;
            opening.m_banks.push_back(std::move(one));
            return opening;
        }
    }
    std::vector<std::unique_ptr<IBank>> all = factory::makeBanks();
    std::vector<IBank*> targets;
    targets.reserve(all.size());
    for (const auto& bank : all)
        targets.push_back(bank.get());
    if (file.openBanks(targets, path)) {
        opening.m_fills = Fills::AllRows;
        opening.m_banks = std::move(all);
    }
    return opening;
}

std::optional<std::size_t> BankFileOpening::fileRow() const
{
    if (m_fills != Fills::OneRow || m_banks.empty())
        return std::nullopt;
    return m_banks.front()->getIndex();
}

bool BankFileOpening::needsReaddress() const
{
    const std::optional<std::size_t> from = fileRow();
    return from && m_row && *from != *m_row;
}

void BankFileOpening::readdress()
{
    if (needsReaddress())
        m_banks.front()->setIndex(static_cast<std::uint16_t>(*m_row));
}
