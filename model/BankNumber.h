#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number a bank row goes by wherever the user sees it: "S01" to "S31" for the sound banks,
// "FW" for the firmware bank. It stays with the row whatever name the bank is given.
class BankNumber {
public:
    // "S05" for row 4, "FW" for row 31; empty past the last row.
    static std::string of(std::uint16_t row);
    // The row of "S01" to "S31", "FW" or "FIRMWARE" in any case, or of a row number 0 to 31 as
    // scripts give it; nothing for anything else.
    static std::optional<std::uint16_t> row(std::string_view text);
};
