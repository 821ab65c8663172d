#pragma once

#include "cli/Command.h"

// `zylox ports`: the MIDI outputs, one line each with the index that `zylox send --port` takes and
// the name the editor shows.
class PortsCommand : public Command {
public:
    explicit PortsCommand(CLI::App& app);

    int run() override;
};
