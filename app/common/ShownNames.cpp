#include "app/common/ShownNames.h"

#include "model/BankNumber.h"
#include "model/IBank.h"

#include <cstdint>
#include <filesystem>

std::string shownFileName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

QString quotedFileName(const std::string& path)
{
    return QStringLiteral("\u201C%1\u201D").arg(QString::fromStdString(shownFileName(path)));
}

QString shownBankNumber(std::size_t row)
{
    return QString::fromStdString(BankNumber::of(static_cast<std::uint16_t>(row)));
}

QString shownSlot(std::size_t row, const IBank& bank, std::uint16_t slot)
{
    return shownBankNumber(row) + QLatin1Char(' ') + QString::fromStdString(bank.getContentLabel(slot));
}
