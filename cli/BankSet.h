#pragma once

#include "model/FactoryTables.h"
#include "model/IBank.h"

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The 32 banks every command works on, in the editor's rows: rows 0 to 30 the sound banks, row 31
// the firmware bank. A new set holds the factory banks; each is built from the factory data only
// when a command first asks for it, so a command pays for the banks it touches and no more.
class BankSet {
public:
    // Opens a bank file onto the set by the editor's rule (BankFileOpening), onto row when the
    // command works on one bank: a 32-bank file replaces every row, a one-bank file the row of the
    // bank it holds. With readdress, what the editor does on its "Different Banks!" question: a
    // one-bank file of another bank goes to row instead, into that row's flash blocks. On false
    // the set is unchanged and reason says why.
    bool open(const std::string& path, std::optional<std::size_t> row, bool readdress, std::string& reason);
    // The row the one bank of the opened file went to; none before an open or after a 32-bank file.
    std::optional<std::size_t> fileBankRow() const { return m_fileBankRow; }

    // Every bank in row order, still owned by the set.
    std::vector<IBank*> banks();
    IBank& bank(std::size_t row);
    std::size_t size() const { return factory::kBankCount; }

private:
    std::array<std::unique_ptr<IBank>, factory::kBankCount> m_banks;
    std::optional<std::size_t> m_fileBankRow;
};
