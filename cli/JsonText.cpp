#include "cli/JsonText.h"

#include "soundlibrary/Utf8Text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

std::string JsonText::string(std::string_view bytes)
{
    std::string quoted = "\"";
    while (!bytes.empty()) {
        const std::size_t length = soundlibrary::utf8SequenceLength(bytes);
        const auto byte = static_cast<unsigned char>(bytes.front());
        std::array<char, 8> escape{};
        if (length == 0) {
            std::snprintf(escape.data(), escape.size(), "\\udc%02x", byte);
            quoted += escape.data();
        } else if (byte == '"' || byte == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(byte);
        } else if (byte < 0x20 || byte == 0x7f) {
            std::snprintf(escape.data(), escape.size(), "\\u%04x", byte);
            quoted += escape.data();
        } else {
            quoted.append(bytes.substr(0, length));
        }
        bytes.remove_prefix(length == 0 ? 1 : length);
    }
    return quoted + '"';
}

std::string JsonText::number(std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return "null";
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), *value).ptr;
    return {digits.data(), end};
}
