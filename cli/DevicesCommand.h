#pragma once

#include "cli/Command.h"

// `zylox devices`: the devices that banks were sent to, as their records keep them, with what of
// each this program knows it holds; no device needs to be plugged in.
class DevicesCommand : public Command {
public:
    explicit DevicesCommand(CLI::App& app);

    int run() override;
};
