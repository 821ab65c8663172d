#include "audio/ImportResult.h"

#include <array>
#include <charconv>

namespace audio {

namespace {

constexpr double deviceRate = 33000.0;

// Two decimals and a point whatever the user's locale, as the rest of the line is English.
std::string seconds(std::size_t bytes)
{
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), static_cast<double>(bytes) / deviceRate,
                                   std::chars_format::fixed, 2).ptr;
    return std::string(digits.data(), end) + " s";
}

std::string grouped(std::size_t value)
{
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, ',');
    return digits;
}

} // namespace

std::string ImportResult::describe(const std::string& fileName, const std::string& slotLabel) const
{
    switch (kind) {
    case Kind::None:
        return fileName + ": nothing imported";
    case Kind::Message:
        return fileName + ": System Exclusive message of " + grouped(length) + " bytes into " + slotLabel;
    case Kind::Sound:
    case Kind::Raw:
        break;
    }
    std::string line = fileName + ": " + (kind == Kind::Raw ? grouped(length) + " bytes of raw device data" : seconds(length));
    if (cut())
        return line + ", cut to " + seconds(slotLength) + " to fit " + slotLabel;
    if (padded())
        return line + ", padded to " + seconds(slotLength) + " with silence";
    return line + ", fills " + slotLabel + " exactly";
}

} // namespace audio
