#include "cli/BankFileOutput.h"

#include "bankfile/BankFile.h"
#include "cli/BankSet.h"

bool BankFileOutput::write(BankSet& banks, bool all, std::size_t row, const std::string& path, std::string& reason)
{
    BankFile file;
    if (all ? file.saveBanks(banks.banks(), path) : file.saveBank(banks.bank(row), path))
        return true;
    reason = file.saveFailure().describe();
    return false;
}
