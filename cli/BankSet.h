#pragma once

#include "model/IBank.h"

#include <cstddef>
#include <memory>
#include <vector>

// The 32 banks every command works on, in the editor's rows: rows 0 to 30 the sound banks, row 31
// the firmware bank. A new set holds the factory banks.
class BankSet {
public:
    static constexpr std::size_t kRows = 32;

    BankSet();

    // The factory bank of a row (0 to 31), owned by the caller.
    static std::unique_ptr<IBank> factoryBank(std::size_t row);

    IBank& bank(std::size_t row) { return *m_banks.at(row); }
    const IBank& bank(std::size_t row) const { return *m_banks.at(row); }
    std::size_t size() const { return m_banks.size(); }

private:
    std::vector<std::unique_ptr<IBank>> m_banks;
};
