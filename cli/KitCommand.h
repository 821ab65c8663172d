#pragma once

#include "cli/Command.h"
#include "model/KitProposal.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class IBank;

// `zylox kit`: a sound bank filled in one step from a folder or from the files named, each slot with
// the file whose name says it is for the slot (KitProposal), shaped as a kit shapes it, optionally
// brought to one loudness; one line a slot says which file, why and what was done.
class KitCommand : public Command {
public:
    explicit KitCommand(CLI::App& app);

    int run() override;

private:
    // Brings the slots the kit filled to one loudness; 0, or 1 after saying why not.
    int matchLoudness(IBank& bank, const KitProposal& kit, std::vector<std::string>& lines) const;

    // 0, or 2 after saying what the command line got wrong.
    int checkArguments();
    // 0, or 2 after saying that -o names one of the kit's own sound files.
    int checkOutput(const KitProposal& kit) const;
    // One folder, or the files; none after saying why not.
    std::optional<KitProposal> propose();

    std::vector<std::string> m_sources;
    bool m_fromFolder = false; // the one source is a folder
    std::size_t m_row = 0;
    std::string m_output;
    CLI::Option* m_match = nullptr;
    std::string m_target;
    bool m_dryRun = false;
};
