#pragma once

#include "audio/ImportOptions.h"
#include "cli/Command.h"

#include <cstddef>
#include <string>

// `zylox import`: a sound file (or, with --raw, any file as raw device bytes) into a sample slot,
// or a System Exclusive file into a firmware slot, exactly as the editor imports it; then the
// bank, or all banks, saved.
class ImportCommand : public Command {
public:
    explicit ImportCommand(CLI::App& app);

    int run() override;

private:
    std::size_t m_row = 0;
    unsigned m_slot = 0;
    std::string m_source;
    std::string m_output;
    bool m_all = false;
    audio::ImportOptions m_options;
};
