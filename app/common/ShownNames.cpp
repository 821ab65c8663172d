#include "app/common/ShownNames.h"

#include "model/BankNumber.h"

#include <cstdint>
#include <filesystem>

std::string shownFileName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

std::string shownBankNumber(std::size_t row)
{
    return BankNumber::of(static_cast<std::uint16_t>(row));
}
