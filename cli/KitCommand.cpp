#include "cli/KitCommand.h"

#include "audio/DecodedSound.h"
#include "audio/SlotImport.h"
#include "bytes/SourceFileReader.h"
#include "cli/AdviceWords.h"
#include "cli/BankFileOutput.h"
#include "cli/BankSet.h"
#include "cli/ImportCommand.h"
#include "cli/SlotChoice.h"
#include "model/KitProposal.h"
#include "soundlibrary/LoudnessMatch.h"
#include "soundlibrary/SlotLoudness.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <utility>

namespace {

// The quietest and loudest target a kit is brought to, in LUFS.
constexpr double kQuietestTarget = -60.0;
constexpr double kLoudestTarget = 0.0;

std::string fileNameOf(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

} // namespace

KitCommand::KitCommand(CLI::App& app)
    : Command(app, "kit",
              "Fill a sound bank's six slots from a folder's sound files, or from the files named, by the words of "
              "their names (ohh, chh, clap, rim, crash, ride, ...) and write the bank file")
{
    // Not required of the parser: "--match-loudness FOLDER" hands the folder to the option, and run takes it back.
    m_command->add_option("sources", m_sources, "The folder of sound files (not the folders in it), or the sound files")
        ->type_name("FOLDER|FILE...");
    addBankOption(*m_command, m_row)->required();
    addBankFileOption();
    m_command->add_option("-o,--output", m_output, "The bank file to write (not with --dry-run)");
    m_match = m_command
                  ->add_option("--match-loudness", m_target,
                               "Bring the slots the kit fills to one loudness as the device plays them: the quietest "
                               "one's, or LUFS (-60 to 0)")
                  ->expected(0, 1)
                  ->type_name("[LUFS]");
    m_command->add_flag("--dry-run", m_dryRun, "Say what would go where, and write nothing");
}

int KitCommand::checkArguments()
{
    if (const Text refusal = KitProposal::refusalFor(m_row); !refusal.empty()) {
        std::cerr << "zylox: --bank FW: " << refusal.english() << '\n';
        return 2;
    }
    if (m_output.empty() == !m_dryRun) {
        std::cerr << "zylox: kit: "
                  << (m_dryRun ? "--dry-run writes nothing: leave out -o"
                               : "-o names the bank file to write (or --dry-run)")
                  << '\n';
        return 2;
    }
    // With no source left, a value that names a folder or file ("." or a kit's folder "808") was
    // the source, not a figure.
    std::error_code missing;
    if (!m_target.empty()
        && (m_target.find_first_not_of("+-.0123456789") != std::string::npos
            || (m_sources.empty() && std::filesystem::exists(m_target, missing))))
        m_sources.insert(m_sources.begin(), std::exchange(m_target, std::string()));
    if (m_sources.empty()) {
        std::cerr << "zylox: kit: name the folder of sound files, or the files\n";
        return 2;
    }
    if (!m_target.empty()) {
        double target = 0.0;
        const char* end = m_target.data() + m_target.size();
        const auto [stop, error] = std::from_chars(m_target.data(), end, target);
        if (error != std::errc() || stop != end || !(target >= kQuietestTarget && target <= kLoudestTarget)) {
            std::cerr << "zylox: --match-loudness " << m_target << ": give LUFS from -60 to 0, as -16\n";
            return 2;
        }
    }
    std::error_code error;
    const auto folder = std::find_if(m_sources.begin(), m_sources.end(), [&](const std::string& path) {
        return std::filesystem::is_directory(path, error);
    });
    m_fromFolder = folder != m_sources.end();
    if (m_fromFolder && m_sources.size() > 1) {
        std::cerr << "zylox: kit: " << *folder << " is a folder: name one folder, or the sound files\n";
        return 2;
    }
    return 0;
}

int KitCommand::run()
{
    if (const int status = checkArguments())
        return status;
    const std::optional<KitProposal> kit = propose();
    if (!kit)
        return 1;
    if (kit->empty()) {
        for (const KitProposal::LeftOut& file : kit->leftOut())
            std::cerr << "zylox: " << file.why.english() << '\n';
        return fail(m_fromFolder ? m_sources.front() : "kit", KitProposal::emptyText().english());
    }
    if (const int status = checkOutput(*kit))
        return status;
    BankSet banks;
    if (const int status = openBankFile(banks, m_row))
        return status;
    IBank& bank = banks.bank(m_row);

    std::vector<std::string> lines;
    for (std::uint16_t slot = 0; slot < factory::kSoundSlotCount; ++slot) {
        const std::string where = SlotChoice::name(m_row, slot);
        const std::optional<KitProposal::Choice>& choice = kit->choices()[slot];
        if (!choice) {
            lines.push_back(where + ": " + kit->reason(slot).english());
            continue;
        }
        const std::string& path = choice->file.path;
        SourceFileReader source(path);
        if (source.error() != 0)
            return fail(path, std::strerror(source.error()));
        const audio::ImportResult result
            = bank.importContent(slot, source, path, KitProposal::shapeFor(slot, choice->file));
        if (!result)
            return fail(std::string(where).append(": ").append(path), ImportCommand::reasonFor(result, bank, slot));
        const std::string name = fileNameOf(path);
        std::string line = where;
        line += ": " + name;
        line += " (" + kit->reason(slot).english() + "), ";
        line += result.describeInNamedSlot(name).substr(name.size() + 2);
        lines.push_back(std::move(line));
        if (const std::string warning = AdviceWords::warning(result); !warning.empty())
            std::cerr << "zylox: " << where << ": " << name << ": " << warning << '\n';
    }
    if (m_match->count() > 0)
        if (const int status = matchLoudness(bank, *kit, lines))
            return status;
    for (const KitProposal::Unused& unused : kit->unused())
        std::cerr << "zylox: " << KitProposal::unusedText(unused).english() << '\n';
    for (const KitProposal::LeftOut& file : kit->leftOut())
        std::cerr << "zylox: " << file.why.english() << '\n';

    std::string reason;
    if (!m_dryRun && !BankFileOutput::write(banks, false, m_row, m_output, reason))
        return fail(m_output, reason);
    for (const std::string& line : lines)
        std::cout << line << '\n';
    // A dry run's lines are all it gives: lost into a full disk, they are no success.
    if (m_dryRun && !std::cout.flush())
        return fail("standard output", "cannot be written");
    return 0;
}

int KitCommand::checkOutput(const KitProposal& kit) const
{
    if (m_dryRun)
        return 0;
    // "zylox kit ~/909/*.wav --bank S05 -o ~/909/ohh.wav", a slip of the shell's history or a
    // name completed too far: the bank would take the place of a sound the kit is made of.
    std::vector<std::string> sounds = m_fromFolder ? std::vector<std::string>() : m_sources;
    for (const std::optional<KitProposal::Choice>& choice : kit.choices())
        if (choice)
            sounds.push_back(choice->file.path);
    for (const std::string& sound : sounds) {
        std::error_code error;
        if (std::filesystem::equivalent(m_output, sound, error)) {
            std::cerr << "zylox: kit: -o " << m_output
                      << " is one of the kit's sound files: name the bank file to write after -o\n";
            return 2;
        }
    }
    return 0;
}

std::optional<KitProposal> KitCommand::propose()
{
    if (m_fromFolder) {
        Text failure;
        std::optional<KitProposal> kit = KitProposal::ofFolder(m_sources.front(), failure);
        if (!kit)
            fail(m_sources.front(), failure.english());
        return kit;
    }
    // A mistyped name is the user's slip, not a file to leave out.
    std::error_code error;
    for (const std::string& path : m_sources) {
        if (!std::filesystem::exists(path, error)) {
            fail(path, error ? error.message() : std::strerror(ENOENT));
            return std::nullopt;
        }
    }
    return KitProposal::ofFiles(m_sources);
}

int KitCommand::matchLoudness(IBank& bank, const KitProposal& kit, std::vector<std::string>& lines) const
{
    std::vector<std::unique_ptr<audio::DecodedSound>> sounds;
    std::vector<soundlibrary::LoudnessMatch::Slot> slots;
    std::vector<std::uint16_t> filled;
    for (std::uint16_t slot = 0; slot < factory::kSoundSlotCount; ++slot) {
        if (!kit.choices()[slot])
            continue;
        const KitFile& file = kit.choices()[slot]->file;
        const audio::SoundShape shape = KitProposal::shapeFor(slot, file);
        const std::size_t length = factory::kSlotLength.at(slot);
        SourceFileReader source(file.path);
        sounds.push_back(std::make_unique<audio::DecodedSound>(
            audio::decodeSound(source, audio::framesUsed(length, shape), audio::kMostSourceBytes)));
        if (source.error() != 0)
            return fail(file.path, std::strerror(source.error()));
        slots.push_back({sounds.back().get(), shape, length});
        filled.push_back(slot);
    }
    const std::optional<double> given = m_target.empty() ? std::nullopt : std::optional(std::stod(m_target));
    const auto matched = soundlibrary::LoudnessMatch::match(slots, given);
    if (!matched)
        return fail("--match-loudness", soundlibrary::SlotLoudness::missingLibraryText().english());
    const std::optional<double> target = soundlibrary::LoudnessMatch::targetOf(*matched, given);
    for (std::size_t i = 0; i < filled.size(); ++i) {
        const soundlibrary::LoudnessMatch::Matched& slot = (*matched)[i];
        if (!slot.before)
            continue;
        bank.putSound(filled[i], slot.bytes, bank.getContentName(filled[i]));
        std::string& line = lines.at(filled[i]);
        line += "; " + soundlibrary::LoudnessMatch::matchedText(slot).english();
        if (slot.held)
            line += "; " + soundlibrary::LoudnessMatch::heldText(slot, *target).english();
    }
    return 0;
}
