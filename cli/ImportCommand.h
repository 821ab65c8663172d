#pragma once

#include "audio/ImportResult.h"
#include "cli/Command.h"
#include "cli/ShapeOptions.h"
#include "cli/SlotChoice.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class IBank;

// `zylox import`: sound files (or, with --raw, any files as raw device bytes) shaped into
// consecutive sample slots, or a System Exclusive file into a firmware slot, exactly as the editor
// imports them; then the bank, or all banks, saved.
class ImportCommand : public Command {
public:
    explicit ImportCommand(CLI::App& app);

    int run() override;

    // Why a file did not go into the slot, in words after its name.
    static std::string reasonFor(const audio::ImportResult& refused, const IBank& bank, std::uint16_t slot);

private:
    // Imports one file into the slot; 0, or 1 after saying why the file could not be read.
    int importInto(IBank& bank, std::uint16_t slot, const std::string& path, const audio::SoundShape& options,
                   audio::ImportResult& result) const;

    std::size_t m_row = 0;
    SlotChoice m_slot;
    std::vector<std::string> m_sources;
    std::string m_output;
    bool m_all = false;
    bool m_raw = false;
    ShapeOptions m_shape;
};
