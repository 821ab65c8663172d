#pragma once

#include "model/IBank.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// The 32 banks every command works on, in the editor's rows: rows 0 to 30 the sound banks, row 31
// the firmware bank. A new set holds the factory banks.
class BankSet {
public:
    static constexpr std::size_t kRows = 32;

    BankSet();

    // The factory bank of a row (0 to 31), owned by the caller.
    static std::unique_ptr<IBank> factoryBank(std::size_t row);

    // Opens a bank file onto the set as the editor does: a 32-bank file replaces every row, a
    // one-bank file the row of the bank it holds (a firmware bank's file row 31). On false the set
    // is unchanged and reason says why.
    bool open(const std::string& path, std::string& reason);

    // Every bank in row order, still owned by the set.
    std::vector<IBank*> banks() const;
    IBank& bank(std::size_t row) { return *m_banks.at(row); }
    const IBank& bank(std::size_t row) const { return *m_banks.at(row); }
    std::size_t size() const { return m_banks.size(); }

private:
    std::vector<std::unique_ptr<IBank>> m_banks;
};
