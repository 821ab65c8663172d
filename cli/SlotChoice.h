#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace CLI {
class App;
class Option;
} // namespace CLI

// --slot: a slot by its number (0 to 5, as scripts have always given it) or by the label the
// window shows ("CLOSED HI HAT", any case). Which labels there are depends on the bank, so the
// choice is only resolved once --bank is known.
class SlotChoice {
public:
    // The line every --help with --slot ends with, and the manual page's.
    static const char* const kNumbering;

    // Adds --slot to the command, described as given, and the numbering line to its help.
    CLI::Option* addTo(CLI::App& command, const std::string& description);

    bool given() const;
    // The slot of the bank in that row; nothing after saying which slots the bank has.
    std::optional<std::uint16_t> resolve(std::size_t row) const;
    // The slot text names (a number or a label) in the bank in that row; nothing after saying which
    // slots the bank has, the text named as given ("--fits S05:9").
    static std::optional<std::uint16_t> slotNamed(std::size_t row, const std::string& text, const std::string& given);

    // How output lines name a slot: "S05 slot 1 CLOSED HI HAT".
    static std::string name(std::size_t row, std::uint16_t slot);

private:
    std::string m_text;
    CLI::Option* m_option = nullptr;
};
