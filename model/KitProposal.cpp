#include "model/KitProposal.h"

#include "audio/DeviceRate.h"
#include "model/FactoryBank.h"
#include "soundlibrary/SoundAnalysis.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

namespace {

// One file's claim on one slot.
struct Claim {
    std::size_t file;
    KitWords::Match match;
    bool fits;
    std::size_t claims; // how many slots the file's name points to
};

std::string baseName(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

// The file's sound after its lead-in and its loudness; none for a file that is no sound.
std::optional<KitFile> analysed(const std::string& path)
{
    const soundlibrary::SoundAnalysis analysis = soundlibrary::SoundAnalysis::of(path);
    if (analysis.kind != soundlibrary::LibraryEntry::Kind::Sound)
        return std::nullopt;
    return KitFile{path, std::max(0.0, analysis.seconds - analysis.leadIn), analysis.loudness};
}

} // namespace

KitProposal KitProposal::of(std::vector<KitFile> files)
{
    std::sort(files.begin(), files.end(), [](const KitFile& a, const KitFile& b) { return a.path < b.path; });
    std::vector<Claim> claims;
    std::vector<std::optional<std::uint16_t>> plainest(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::vector<KitWords::Match> matches = KitWords::matches(baseName(files[i].path));
        for (const KitWords::Match& match : matches) {
            const double slotSeconds = factory::kSlotLength.at(match.slot) / audio::kDeviceRate;
            claims.push_back({i, match, files[i].seconds <= slotSeconds, matches.size()});
            if (!plainest[i])
                plainest[i] = match.slot;
        }
    }
    // Plainest first; then what fits; then a name that points to fewer slots, so that one pointing
    // to several can take another; then the name first in order (the files are sorted).
    std::stable_sort(claims.begin(), claims.end(), [](const Claim& a, const Claim& b) {
        if (a.match.score != b.match.score)
            return a.match.score > b.match.score;
        if (a.fits != b.fits)
            return a.fits;
        return a.claims < b.claims;
    });
    KitProposal proposal;
    std::vector<bool> placed(files.size(), false);
    for (const Claim& claim : claims) {
        std::optional<Choice>& slot = proposal.m_slots.at(claim.match.slot);
        if (slot || placed[claim.file])
            continue;
        slot = Choice{files[claim.file], claim.match};
        placed[claim.file] = true;
        // A name as plain for two slots takes the one its sound fits, though the other was free:
        // only a slot another file took makes this its second choice.
        if (*plainest[claim.file] != claim.match.slot && proposal.m_slots.at(*plainest[claim.file])) {
            slot->firstSlot = plainest[claim.file];
            slot->firstSlotTakenBy = proposal.m_slots.at(*plainest[claim.file])->file.path;
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (placed[i] || !plainest[i])
            continue;
        const KitWords::Match match = KitWords::matches(baseName(files[i].path)).front();
        proposal.m_unused.push_back({files[i], match, proposal.m_slots.at(match.slot)->file.path});
    }
    return proposal;
}

std::optional<KitProposal> KitProposal::ofFolder(const std::string& folder, Text& failure)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    std::vector<KitFile> files;
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::filesystem::directory_entry& entry = *entries;
        const std::string name = entry.path().filename().string();
        std::error_code typeError;
        // Only what a name points to is analysed: a folder of a thousand sounds is read in a moment.
        if (name.starts_with('.') || !entry.is_regular_file(typeError) || KitWords::matches(name).empty())
            continue;
        if (std::optional<KitFile> file = analysed(entry.path().string()))
            files.push_back(std::move(*file));
    }
    if (error) {
        failure = Text::verbatim(TextArgument::systemText(error.message()));
        return std::nullopt;
    }
    return of(std::move(files));
}

KitProposal KitProposal::ofFiles(const std::vector<std::string>& paths)
{
    std::vector<KitFile> files;
    std::vector<LeftOut> leftOut;
    std::set<std::string> seen;
    for (const std::string& path : paths) {
        // A path named twice is one file, which takes at most one slot.
        if (!seen.insert(path).second)
            continue;
        if (KitWords::matches(baseName(path)).empty())
            leftOut.push_back({path,
                               {ZYLOX_TR("KitProposal", "%1: not used: its name says no slot's word (as ohh, "
                                                        "chh, clap, rim, crash or ride)"),
                                {baseName(path)}}});
        else if (std::optional<KitFile> file = analysed(path))
            files.push_back(std::move(*file));
        else
            leftOut.push_back(
                {path,
                 {ZYLOX_TR("KitProposal", "%1: not used: it is no sound file that can be read"), {baseName(path)}}});
    }
    KitProposal proposal = of(std::move(files));
    proposal.m_leftOut = std::move(leftOut);
    return proposal;
}

audio::SoundShape KitProposal::shapeFor(std::uint16_t slot, const KitFile& file)
{
    audio::SoundShape shape;
    shape.trim = true;
    const double slotSeconds = factory::kSlotLength.at(slot) / audio::kDeviceRate;
    if (file.seconds > slotSeconds)
        shape.fadeOut = std::min(audio::longestFade, slotSeconds * 100.0);
    return shape;
}

Text KitProposal::emptyText()
{
    return Text(ZYLOX_TR("KitProposal", "no sound file's name here says which slot it is for (as ohh, chh, clap, rim, "
                                        "crash or ride)"));
}

Text KitProposal::refusalFor(std::size_t row)
{
    if (factory::isSoundRow(row))
        return {};
    return Text(
        ZYLOX_TR("KitProposal", "the firmware bank's slots hold messages, not sounds: a kit fills a sound bank"));
}

bool KitProposal::empty() const
{
    return std::none_of(m_slots.begin(), m_slots.end(), [](const auto& slot) { return slot.has_value(); });
}

Text KitProposal::reason(std::uint16_t slot) const
{
    const std::optional<Choice>& choice = m_slots.at(slot);
    if (!choice)
        return {ZYLOX_TR("KitProposal", "left as it is: no file's name says %1"), {factory::contentName(slot)}};
    if (!choice->firstSlot)
        return {ZYLOX_TR("KitProposal", "name says '%1'"), {choice->match.word}};
    return {ZYLOX_TR("KitProposal", "name says '%1'; its first choice, %2, went to %3"),
            {choice->match.word, factory::contentName(*choice->firstSlot), baseName(choice->firstSlotTakenBy)}};
}

Text KitProposal::unusedText(const Unused& unused)
{
    return {ZYLOX_TR("KitProposal", "%1: not used: its name says '%2', and %3 went to %4"),
            {baseName(unused.file.path), unused.match.word, factory::contentName(unused.match.slot),
             baseName(unused.takenBy)}};
}
