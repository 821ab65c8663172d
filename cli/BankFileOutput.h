#pragma once

#include <cstddef>
#include <string>

class BankSet;

// Writes the bank file that a command ends with, in the editor's layout; an existing file is
// replaced only by a complete one.
class BankFileOutput {
public:
    // All banks, or the bank of one row. On false, reason says why.
    static bool write(BankSet& banks, bool all, std::size_t row, const std::string& path, std::string& reason);
};
