#include "model/BankNumber.h"

#include "model/FactoryTables.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

std::string upper(std::string_view text)
{
    std::string result(text);
    std::ranges::transform(result, result.begin(), [](unsigned char c) { return std::toupper(c); });
    return result;
}

// Digits only, no sign or spaces, and below the limit.
std::optional<std::uint16_t> number(std::string_view digits, std::uint16_t limit)
{
    std::uint16_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc{} || stop != end || value >= limit)
        return std::nullopt;
    return value;
}

} // namespace

std::string BankNumber::of(std::uint16_t row)
{
    if (row == factory::kSoundBankCount)
        return "FW";
    if (row > factory::kSoundBankCount)
        return {};
    const unsigned number = row + 1u;
    return {'S', static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
}

std::optional<std::uint16_t> BankNumber::row(std::string_view text)
{
    const std::string name = upper(text);
    if (name == "FW" || name == "FIRMWARE")
        return factory::kSoundBankCount;
    if (name.size() == 3 && name[0] == 'S') {
        const std::optional<std::uint16_t> shown
            = number(std::string_view(name).substr(1), factory::kSoundBankCount + 1);
        if (shown && *shown > 0)
            return static_cast<std::uint16_t>(*shown - 1);
        return std::nullopt;
    }
    return number(name, factory::kBankCount);
}
