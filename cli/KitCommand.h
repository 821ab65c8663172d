#pragma once

#include "cli/Command.h"

#include <cstddef>
#include <string>

class IBank;
class KitProposal;

// `zylox kit`: a sound bank filled from a folder in one step, each slot with the file whose name
// says it is for the slot (KitProposal), shaped as a kit shapes it, optionally brought to one
// loudness; one line a slot says which file, why and what was done.
class KitCommand : public Command {
public:
    explicit KitCommand(CLI::App& app);

    int run() override;

private:
    // Brings the slots the kit filled to one loudness; 0, or 1 after saying why not.
    int matchLoudness(IBank& bank, const KitProposal& kit, std::vector<std::string>& lines) const;

    std::string m_folder;
    std::size_t m_row = 0;
    std::string m_output;
    CLI::Option* m_match = nullptr;
    std::string m_target;
    bool m_dryRun = false;
};
