#include "cli/BankSet.h"

#include "model/CFirmware.h"
#include "model/CSound.h"
#include "model/FactoryTables.h"

BankSet::BankSet()
{
    m_banks.reserve(kRows);
    for (std::size_t row = 0; row < kRows; ++row)
        m_banks.push_back(factoryBank(row));
}

std::unique_ptr<IBank> BankSet::factoryBank(std::size_t row)
{
    if (row < factory::kSoundBankCount)
        return std::make_unique<CSound>(static_cast<std::uint16_t>(row));
    return std::make_unique<CFirmware>();
}
