#pragma once

#include "cli/Command.h"

#include <functional>
#include <memory>
#include <string>

class IMidiService;

// `zylox pacing`: how carefully messages go to a device's interface, kept with the device's record
// so that the editor and every later send use it; without --piece or --gap, what is kept now.
class PacingCommand : public Command {
public:
    using ServiceFactory = std::function<std::shared_ptr<IMidiService>()>;

    PacingCommand(CLI::App& app, ServiceFactory makeService);

    int run() override;

private:
    const ServiceFactory m_makeService;
    std::string m_port;
    OutputPacing m_pacing;
    PacingOptions m_options;
};
