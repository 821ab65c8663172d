#include "cli/BankSet.h"

#include "bankfile/WrapperZQMidiFile.h"
#include "model/CFirmware.h"
#include "model/CSound.h"
#include "model/FactoryTables.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

std::unique_ptr<IBank> BankSet::factoryBank(std::size_t row)
{
    if (row < factory::kSoundBankCount)
        return std::make_unique<CSound>(static_cast<std::uint16_t>(row));
    return std::make_unique<CFirmware>();
}

unsigned BankSet::slotCount(std::size_t row)
{
    return row < factory::kSoundBankCount ? factory::kSoundSlotCount : factory::kFirmwareContentCount;
}

IBank& BankSet::bank(std::size_t row)
{
    std::unique_ptr<IBank>& bank = m_banks.at(row);
    if (!bank)
        bank = factoryBank(row);
    return *bank;
}

std::vector<IBank*> BankSet::banks()
{
    std::vector<IBank*> all;
    for (std::size_t row = 0; row < kRows; ++row)
        all.push_back(&bank(row));
    return all;
}

bool BankSet::open(const std::string& path, std::string& reason)
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
    WrapperZQMidiFile file;
    // A sound bank first: the firmware bank takes any two flash write messages, a sound bank only
    // whole blocks, and the file's first block tells which sound bank it holds.
    std::unique_ptr<IBank> one = factoryBank(0);
    if (file.openBank(*one, path) && one->getIndex() < factory::kSoundBankCount) {
        m_fileBankRow = one->getIndex();
        m_banks[one->getIndex()] = std::move(one);
        return true;
    }
    one = factoryBank(factory::kSoundBankCount);
    if (file.openBank(*one, path)) {
        m_fileBankRow = factory::kSoundBankCount;
        m_banks[factory::kSoundBankCount] = std::move(one);
        return true;
    }
    BankSet read;
    if (file.openBanks(read.banks(), path)) {
        m_fileBankRow.reset();
        m_banks = std::move(read.m_banks);
        return true;
    }
    reason = "Wrong File Format";
    return false;
}

bool BankSet::readdress(std::size_t to)
{
    if (!m_fileBankRow || to >= kRows)
        return false;
    const std::size_t from = *m_fileBankRow;
    if ((from < factory::kSoundBankCount) != (to < factory::kSoundBankCount))
        return false;
    if (from != to) {
        m_banks[to] = std::move(m_banks[from]);
        m_banks[to]->setIndex(static_cast<std::uint16_t>(to));
        m_banks[from].reset();
        m_fileBankRow = to;
    }
    return true;
}
