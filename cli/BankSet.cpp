#include "cli/BankSet.h"

#include "audio/SoundFileTypes.h"
#include "bankfile/BankFileOpening.h"
#include "model/FactoryBank.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

IBank& BankSet::bank(std::size_t row)
{
    std::unique_ptr<IBank>& bank = m_banks.at(row);
    if (!bank)
        bank = factory::makeBank(row);
    return *bank;
}

std::vector<IBank*> BankSet::banks()
{
    std::vector<IBank*> all;
    for (std::size_t row = 0; row < factory::kBankCount; ++row)
        all.push_back(&bank(row));
    return all;
}

bool BankSet::open(const std::string& path, std::optional<std::size_t> row, bool readdress, std::string& reason)
{
    errno = 0;
    if (!std::ifstream(path, std::ios::binary)) {
        reason = errno != 0 ? std::strerror(errno) : "cannot be read";
        return false;
    }
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        reason = std::strerror(EISDIR);
        return false;
    }
    BankFileOpening opening = BankFileOpening::open(path, row);
    if (readdress)
        opening.readdress();
    const std::optional<std::size_t> fileRow = opening.fileRow();
    std::vector<std::unique_ptr<IBank>> read = opening.takeBanks();
    switch (opening.fills()) {
    case BankFileOpening::Fills::OneRow:
        m_banks[*fileRow] = std::move(read.front());
        m_fileBankRow = fileRow;
        return true;
    case BankFileOpening::Fills::AllRows:
        std::move(read.begin(), read.end(), m_banks.begin());
        m_fileBankRow.reset();
        return true;
    case BankFileOpening::Fills::Nothing:
        break;
    }
    reason = audio::kWrongFileFormat;
    return false;
}
