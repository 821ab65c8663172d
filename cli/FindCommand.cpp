#include "cli/FindCommand.h"

#include "audio/DeviceRate.h"
#include "cli/JsonText.h"
#include "cli/LibraryIndex.h"
#include "cli/SlotChoice.h"
#include "model/BankNumber.h"
#include "model/FactoryTables.h"
#include "soundlibrary/LibraryCounts.h"
#include "soundlibrary/LibraryDatabase.h"
#include "soundlibrary/LibrarySearch.h"
#include "soundlibrary/LibraryWords.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <limits>
#include <system_error>

namespace {

using soundlibrary::LibraryEntry;

// The seconds a sound slot holds, for --fits BANK:SLOT; nothing after saying what is wrong with it.
std::optional<double> slotSeconds(const std::string& fits)
{
    const std::size_t colon = fits.find(':');
    const std::optional<std::uint16_t> row
        = colon == std::string::npos ? std::nullopt : BankNumber::row(fits.substr(0, colon));
    if (!row) {
        std::cerr << "zylox: --fits " << fits << ": give a bank and a slot, as S05:1 or S05:CLAP\n";
        return std::nullopt;
    }
    if (!factory::isSoundRow(*row)) {
        std::cerr << "zylox: --fits " << fits << ": the firmware bank's slots hold messages, not sounds\n";
        return std::nullopt;
    }
    const std::optional<std::uint16_t> slot = SlotChoice::slotNamed(*row, fits.substr(colon + 1), "--fits " + fits);
    if (!slot)
        return std::nullopt;
    return factory::kSlotLength.at(*slot) / audio::kDeviceRate;
}

void printJson(const std::vector<LibraryEntry>& found)
{
    std::cout << "[";
    const char* separator = "\n";
    for (const LibraryEntry& entry : found) {
        std::cout << separator << "{\"path\": " << JsonText::string(entry.path)
                  << ", \"length\": " << JsonText::number(entry.seconds)
                  << ", \"lead_in\": " << JsonText::number(entry.leadIn)
                  << ", \"loudness\": " << JsonText::number(entry.loudness)
                  << ", \"rate\": " << JsonText::number(entry.rate)
                  << ", \"channels\": " << (entry.channels ? std::to_string(*entry.channels) : std::string("null"))
                  << ", \"format\": " << JsonText::string(entry.format) << "}";
        separator = ",\n";
    }
    std::cout << (found.empty() ? "]\n" : "\n]\n");
}

} // namespace

FindCommand::FindCommand(CLI::App& app)
    : Command(app, "find", "List the sound files of the library whose names and folders hold the words, one a line")
{
    m_command
        ->add_option("query", m_text,
                     "Words, each the start of a word of the file's name or folder, all of them (\"\" for every file)")
        ->required();
    m_command->add_option("--fits", m_fits, "Only sounds that fit the slot (as S05:1 or S05:CLAP) after their lead-in")
        ->type_name("BANK:SLOT");
    m_maxLengthOption = m_command
                            ->add_option("--max-length", m_maxLength,
                                         "Only sounds at most this many seconds long after their lead-in")
                            ->type_name("SEC")
                            ->check(CLI::Validator(
                                [](const std::string& text) -> std::string {
                                    double seconds = 0.0;
                                    const char* end = text.data() + text.size();
                                    const auto [stop, error] = std::from_chars(text.data(), end, seconds);
                                    return error == std::errc() && stop == end && seconds > 0.0
                                               ? ""
                                               : "give seconds above 0, as 0.25";
                                },
                                ""));
    m_command->add_option("--folder", m_folder, "Only files in this folder and the folders in it")->type_name("DIR");
    m_command->add_flag("--json", m_json,
                        "Write a JSON array of objects (path, length, lead_in, loudness, rate, channels, format)");
    m_command->footer(SlotChoice::kNumbering);
}

int FindCommand::run()
{
    soundlibrary::SearchQuery query;
    query.text = m_text;
    query.limit = static_cast<std::size_t>(std::numeric_limits<std::int64_t>::max());
    if (!m_fits.empty()) {
        const std::optional<double> seconds = slotSeconds(m_fits);
        if (!seconds)
            return 2;
        query.longestSeconds = seconds;
    }
    if (m_maxLengthOption->count() > 0)
        query.longestSeconds = std::min(query.longestSeconds.value_or(m_maxLength), m_maxLength);
    if (!m_folder.empty()) {
        std::error_code error;
        query.folder = std::filesystem::canonical(m_folder, error).string();
        if (error)
            return fail(m_folder, error.message());
    }

    const std::optional<soundlibrary::LibraryFolders> folders = LibraryIndex::folders();
    if (!folders)
        return 1;
    if (folders->folders().empty() || !LibraryIndex::exists())
        return fail("find", std::string("the sound library has no index yet: ") + LibraryIndex::kHowToStart);
    const std::unique_ptr<soundlibrary::LibraryDatabase> database = LibraryIndex::open();
    if (!database)
        return 1;
    // Set aside just now (the line above says why): the fresh one is empty until a rescan.
    if (database->opening().outcome == soundlibrary::LibraryOpening::Outcome::Rebuilt)
        return fail("find", "the new index holds no sounds until \"zylox library rescan\" has indexed them");
    soundlibrary::LibrarySearch search(*database);
    std::vector<LibraryEntry> found = search.find(query);
    if (!search.failure().empty())
        return fail("find", search.failure());
    // Only what may be a sound: a script hands the first line to an import.
    std::erase_if(found, [](const LibraryEntry& entry) {
        return entry.kind == LibraryEntry::Kind::NotASound || entry.kind == LibraryEntry::Kind::Unreadable;
    });

    if (m_json)
        printJson(found);
    else
        for (const LibraryEntry& entry : found)
            std::cout << entry.path << '\n';
    if (found.empty()) {
        std::cerr << "zylox: find: no sound file of the library matches";
        const soundlibrary::LibraryCounts counts = soundlibrary::LibraryCounts::of(*database);
        if (counts.pending > 0)
            std::cerr << "; " << soundlibrary::countsText({.pending = counts.pending}).english()
                      << ", which \"zylox library rescan\" analyses";
        std::cerr << '\n';
    }
    return 0;
}
