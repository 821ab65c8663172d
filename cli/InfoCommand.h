#pragma once

#include "cli/Command.h"

// `zylox info`: one line per bank, tab-separated: row, the number the editor shows, index, name,
// then label, name and byte length of each slot.
class InfoCommand : public Command {
public:
    explicit InfoCommand(CLI::App& app);

    int run() override;
};
