#pragma once

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
    static constexpr std::size_t kRows = 32;

    // The factory bank of a row (0 to 31), owned by the caller.
    static std::unique_ptr<IBank> factoryBank(std::size_t row);
    // The slots a bank of that row has, without building it.
    static unsigned slotCount(std::size_t row);

    // Opens a bank file onto the set as the editor does: a 32-bank file replaces every row, a
    // one-bank file the row of the bank it holds (a firmware bank's file row 31). On false the set
    // is unchanged and reason says why.
    bool open(const std::string& path, std::string& reason);
    // The row of the one bank the opened file held; none before an open or after a 32-bank file.
    std::optional<std::size_t> fileBankRow() const { return m_fileBankRow; }
    // What the editor does on its "Different Banks!" question: the opened file's one bank goes to
    // row to, into that row's flash blocks, and its own row is the factory bank again. A sound bank
    // never becomes the firmware bank nor the other way round: false, and nothing changes.
    bool readdress(std::size_t to);

    // Every bank in row order, still owned by the set.
    std::vector<IBank*> banks();
    IBank& bank(std::size_t row);
    std::size_t size() const { return kRows; }

private:
    std::array<std::unique_ptr<IBank>, kRows> m_banks;
    std::optional<std::size_t> m_fileBankRow;
};
