#include "cli/BankFileOutput.h"

#include "bankfile/WrapperZQMidiFile.h"
#include "cli/BankSet.h"

#include <cerrno>
#include <cstring>

bool BankFileOutput::write(BankSet& banks, bool all, std::size_t row, const std::string& path, std::string& reason)
{
    WrapperZQMidiFile file;
    errno = 0;
    if (all ? file.saveBanks(banks.banks(), path) : file.saveBank(banks.bank(row), path))
        return true;
    reason = errno != 0 ? std::strerror(errno) : "cannot be written";
    return false;
}
