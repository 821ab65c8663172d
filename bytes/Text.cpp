#include "bytes/Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace {

// The sources of texts of arguments alone, by how many they join.
constexpr std::array<const char*, 10> kJoined{
    "",           "%1",           "%1%2",           "%1%2%3",           "%1%2%3%4",
    "%1%2%3%4%5", "%1%2%3%4%5%6", "%1%2%3%4%5%6%7", "%1%2%3%4%5%6%7%8", "%1%2%3%4%5%6%7%8%9"};

std::string grouped(long long value)
{
    std::string digits
        = std::to_string(value < 0 ? -static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value));
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, 1, ',');
    return (value < 0 ? "-" : "") + digits;
}

// A point whatever the user's locale, as the rest of zylox's line is English.
std::string fixed(double value, int decimals)
{
    std::array<char, 400> digits{};
    const auto end
        = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, decimals).ptr;
    return std::string(digits.data(), end);
}

std::string englishOf(const TextArgument& argument)
{
    using Kind = TextArgument::Kind;
    const bool positive = argument.kind == Kind::Decimal ? argument.decimal >= 0.0 : argument.whole >= 0;
    const std::string sign = argument.showsSign && positive ? "+" : "";
    switch (argument.kind) {
    case Kind::Name:
    case Kind::SystemText:
        return argument.name;
    case Kind::Whole:
        return sign + (argument.grouped ? grouped(argument.whole) : std::to_string(argument.whole));
    case Kind::Decimal:
        return sign + fixed(argument.decimal, argument.decimals);
    case Kind::Part:
        break;
    }
    return argument.part.empty() ? std::string() : argument.part.front().english();
}

} // namespace

TextArgument::TextArgument(std::string name)
    : name(std::move(name))
{
}

TextArgument::TextArgument(const char* name)
    : name(name)
{
}

TextArgument::TextArgument(Text part)
    : kind(Kind::Part)
    , part{std::move(part)}
{
}

TextArgument::TextArgument(Kind kind)
    : kind(kind)
{
}

TextArgument::TextArgument(const TextArgument& other) = default;
TextArgument::TextArgument(TextArgument&& other) noexcept = default;
TextArgument& TextArgument::operator=(const TextArgument& other) = default;
TextArgument& TextArgument::operator=(TextArgument&& other) noexcept = default;
TextArgument::~TextArgument() = default;

TextArgument TextArgument::systemText(std::string text)
{
    TextArgument made(Kind::SystemText);
    made.name = std::move(text);
    return made;
}

TextArgument TextArgument::number(long long value)
{
    TextArgument made(Kind::Whole);
    made.whole = value;
    return made;
}

TextArgument TextArgument::count(long long value)
{
    TextArgument made = number(value);
    made.grouped = true;
    return made;
}

TextArgument TextArgument::signedWhole(long long value)
{
    TextArgument made = count(value);
    made.showsSign = true;
    return made;
}

TextArgument TextArgument::fixed(double value, int decimals)
{
    TextArgument made(Kind::Decimal);
    made.decimal = value;
    made.decimals = decimals;
    return made;
}

TextArgument TextArgument::signedFixed(double value, int decimals)
{
    TextArgument made = fixed(value, decimals);
    made.showsSign = true;
    return made;
}

Text::Text(TextSource source, std::vector<TextArgument> arguments, std::optional<long long> count)
    : m_source(source)
    , m_arguments(std::move(arguments))
    , m_count(count)
{
}

Text Text::joined(std::vector<TextArgument> parts)
{
    const std::size_t count = std::min(parts.size(), kJoined.size() - 1);
    parts.resize(count, TextArgument(""));
    return {{nullptr, kJoined[count], nullptr}, std::move(parts)};
}

Text Text::verbatim(TextArgument argument)
{
    return joined({std::move(argument)});
}

std::string Text::english() const
{
    const std::string_view source = m_count && *m_count == 1 && m_source.one ? m_source.one : m_source.source;
    std::string text;
    for (std::size_t at = 0; at < source.size(); ++at) {
        const char next = at + 1 < source.size() ? source[at + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (source[at] == '%' && next >= '1' && next <= '9' && index < m_arguments.size()) {
            text += englishOf(m_arguments[index]);
            ++at;
        } else {
            text += source[at];
        }
    }
    return text;
}
