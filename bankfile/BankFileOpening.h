#pragma once

#include "model/IBank.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A bank file read for the rows it fills, as both programs open one. Opened onto a row, the
// factory bank of that row reads it, so a one-bank file is taken only when it holds a bank of the
// row's kind (a sound bank's file never lands on the firmware row, nor the other way round); a
// file of another bank of that kind needs moving onto the row, which the user decides. Opened
// onto no row, a one-bank file fills the row of the bank it holds. Failing that, the file is read
// as all banks. Only a regular file is read: a FIFO would hold the caller until a writer came.
class BankFileOpening {
public:
    enum class Fills { Nothing, OneRow, AllRows };

    static BankFileOpening open(const std::string& path, std::optional<std::size_t> row);

    // Nothing: no bank file for that row, and banks() is empty.
    Fills fills() const { return m_fills; }
    // Why the file could not be read (ENOENT, EACCES, EISDIR); 0 when it was, or is no regular
    // file, whatever it held.
    int error() const { return m_error; }
    // The row of the one bank the file holds; none unless fills() is OneRow.
    std::optional<std::size_t> fileRow() const;
    // The one bank the file holds, with the name the file gives it; null unless fills() is OneRow
    // and the banks are still here.
    const IBank* oneBank() const
    {
        return m_fills == Fills::OneRow && !m_banks.empty() ? m_banks.front().get() : nullptr;
    }
    // A one-bank file of another bank than the row it was opened onto.
    bool needsReaddress() const;
    // Moves the one bank onto the row it was opened onto, into that row's flash blocks.
    void readdress();
    // The bank read (OneRow) or every bank in row order (AllRows), now the caller's.
    std::vector<std::unique_ptr<IBank>> takeBanks() { return std::move(m_banks); }

private:
    Fills m_fills = Fills::Nothing;
    int m_error = 0;
    std::optional<std::size_t> m_row;
    std::vector<std::unique_ptr<IBank>> m_banks;
};
