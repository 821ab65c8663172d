#include "cli/SlotChoice.h"

#include "model/BankNumber.h"
#include "model/FactoryBank.h"
#include "model/FactoryTables.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iostream>

namespace {

// The labels are the factory's: a bank file renames slots, never relabels them.
const std::string& label(std::size_t row, std::uint16_t slot)
{
    return factory::isSoundRow(row) ? factory::contentName(slot) : factory::firmwareContentName(slot);
}

bool sameLabel(const std::string& typed, const std::string& label)
{
    return std::equal(typed.begin(), typed.end(), label.begin(), label.end(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
    });
}

} // namespace

const char* const SlotChoice::kNumbering
    = "Slots count from 0 (the window's Ctrl+1 is slot 0); --bank takes S01-S31/FW or rows 0-31.";

CLI::Option* SlotChoice::addTo(CLI::App& command, const std::string& description)
{
    command.footer(kNumbering);
    m_option = command.add_option("--slot", m_text, description)->type_name("SLOT");
    return m_option;
}

bool SlotChoice::given() const
{
    return m_option->count() > 0;
}

std::optional<std::uint16_t> SlotChoice::resolve(std::size_t row) const
{
    const bool numeric
        = !m_text.empty() && std::all_of(m_text.begin(), m_text.end(), [](char c) { return c >= '0' && c <= '9'; });
    return slotNamed(row, m_text, "--slot " + (numeric ? m_text : '"' + m_text + '"'));
}

std::optional<std::uint16_t> SlotChoice::slotNamed(std::size_t row, const std::string& text, const std::string& given)
{
    const unsigned slots = factory::slotCount(row);
    unsigned number = 0;
    const char* end = text.data() + text.size();
    if (const auto [stop, error] = std::from_chars(text.data(), end, number); error == std::errc() && stop == end) {
        if (number < slots)
            return static_cast<std::uint16_t>(number);
    } else {
        for (std::uint16_t slot = 0; slot < slots; ++slot) {
            if (sameLabel(text, label(row, slot)))
                return slot;
        }
    }
    std::cerr << "zylox: " << given << ": bank " << BankNumber::of(static_cast<std::uint16_t>(row))
              << " has slots 0 to " << slots - 1 << ":";
    for (std::uint16_t slot = 0; slot < slots; ++slot)
        std::cerr << (slot > 0 ? "," : "") << ' ' << slot << ' ' << label(row, slot);
    std::cerr << '\n';
    return std::nullopt;
}

std::string SlotChoice::name(std::size_t row, std::uint16_t slot)
{
    return BankNumber::of(static_cast<std::uint16_t>(row)) + " slot " + std::to_string(slot) + " " + label(row, slot);
}
