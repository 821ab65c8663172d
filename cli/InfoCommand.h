#pragma once

#include "cli/Command.h"

#include <cstddef>

// `zylox info`: one line per bank (or for the one --bank names), tab-separated: row, the number the
// editor shows, index, name, then label, name and byte length of each slot.
class InfoCommand : public Command {
public:
    explicit InfoCommand(CLI::App& app);

    int run() override;

private:
    CLI::Option* m_bank = nullptr;
    std::size_t m_row = 0;
};
