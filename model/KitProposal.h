#pragma once

#include "audio/SoundShape.h"
#include "bytes/Text.h"
#include "model/FactoryTables.h"
#include "model/KitWords.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A sound file offered for a kit, as far as its analysis knows it.
struct KitFile {
    std::string path; // bytes, to open it by
    double seconds = 0.0; // the sound after its lead-in, which an import trims
    std::optional<double> loudness{}; // LUFS, integrated; none without libebur128 or for silence
};

// Which of a set of sound files each of a sound bank's six slots takes, by the words of their names
// (KitWords): the plainest claim first, so a file whose first slot went to a plainer name takes its
// second choice; of two names equally plain, the sound that fits the slot after its lead-in, then
// the name that points to fewer slots, then the name first in order. No file takes two slots; a slot no name points to
// is left as it is.
class KitProposal {
public:
    struct Choice {
        KitFile file;
        KitWords::Match match; // the word of the slot the name holds
        // For a file in its second (or later) choice: the slot its name pointed to most plainly, and
        // the file that took it.
        std::optional<std::uint16_t> firstSlot{};
        std::string firstSlotTakenBy{};
    };
    // A file whose name points to slots that all went to other files.
    struct Unused {
        KitFile file;
        KitWords::Match match; // its plainest claim
        std::string takenBy; // the file that took that slot
    };

    // A file named for the kit that takes no part in it, and why: its name points to no slot, or it
    // is no sound.
    struct LeftOut {
        std::string path;
        Text why;
    };

    static KitProposal of(std::vector<KitFile> files);
    // The sound files of a folder (not of the folders in it: a kit's folder often keeps other takes
    // or other kits in its own), each one a name points to analysed for its length and loudness;
    // files that are no sound are left out. On a folder that cannot be read, none, and failure says why.
    static std::optional<KitProposal> ofFolder(const std::string& folder, Text& failure);
    // The sound files a user named one by one, as a selection names them: each is analysed where
    // its name points to a slot; the others are left out and listed in leftOut.
    static KitProposal ofFiles(const std::vector<std::string>& paths);
    // The shape a kit gives a slot's file: its lead-in trimmed, and a sound longer than the slot
    // faded out over the slot's last tenth, so that it ends rather than stops.
    static audio::SoundShape shapeFor(std::uint16_t slot, const KitFile& file);
    // Why a proposal for a folder is empty.
    static Text emptyText();
    // Why a bank cannot take a kit, for the firmware bank: empty for a sound bank's row.
    static Text refusalFor(std::size_t row);

    // Not "slots": the window's Qt takes that word for its own.
    const std::array<std::optional<Choice>, factory::kSoundSlotCount>& choices() const { return m_slots; }
    const std::vector<Unused>& unused() const { return m_unused; }
    // Of the files named one by one, those whose names point to no slot and those that are no sound.
    const std::vector<LeftOut>& leftOut() const { return m_leftOut; }
    bool empty() const;

    // Why the slot took its file: "name says 'ohh'"; of a second choice, "name says 'hat'; its first
    // choice, OPEN HI HAT, went to open.wav"; of a slot left as it is, "left as it is: no file's name says CRASH".
    Text reason(std::uint16_t slot) const;
    // "ride 2.wav: not used: its name says 'ride', and RIDE went to ride 1.wav".
    static Text unusedText(const Unused& unused);

private:
    std::array<std::optional<Choice>, factory::kSoundSlotCount> m_slots{};
    std::vector<Unused> m_unused;
    std::vector<LeftOut> m_leftOut;
};
