#include "cli/DeviceContentsCommand.h"
#include "cli/DevicesCommand.h"
#include "cli/DumpCommand.h"
#include "cli/ExportCommand.h"
#include "cli/FindCommand.h"
#include "cli/ImportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/KitCommand.h"
#include "cli/LibraryCommand.h"
#include "cli/LoudnessCommand.h"
#include "cli/PacingCommand.h"
#include "cli/PlayCommand.h"
#include "cli/PortsCommand.h"
#include "cli/RenameCommand.h"
#include "cli/SaveCommand.h"
#include "cli/SendCommand.h"
#include "cli/ShapeOptions.h"
#include "cli/SlotChoice.h"

#include "midiio/SystemClock.h"
#include "midiio/alsa/AlsaMidiService.h"
#include "playback/AlsaSoundOutput.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <memory>
#include <vector>

// NOLINTNEXTLINE(bugprone-exception-escape): only a mistake in setting up the options, or no memory
int main(int argc, char** argv)
{
    CLI::App app{"ZYLOX 515 bank tool: inspect, build and send the device's sample banks", "zylox"};
    app.set_version_flag("--version", "zylox " ZYLOX_VERSION);
    // At most one command; none at all is answered with the help below, an unknown word is named.
    app.require_subcommand(0, 1);

    SystemClock clock;
    // One line per command.
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<InfoCommand>(app));
    commands.push_back(std::make_unique<DumpCommand>(app));
    commands.push_back(std::make_unique<SaveCommand>(app));
    commands.push_back(std::make_unique<RenameCommand>(app));
    commands.push_back(std::make_unique<ImportCommand>(app));
    commands.push_back(std::make_unique<ExportCommand>(app));
    commands.push_back(std::make_unique<PortsCommand>(app));
    commands.push_back(std::make_unique<SendCommand>(
        app, [] { return std::make_shared<AlsaMidiService>(); }, clock));
    commands.push_back(std::make_unique<PacingCommand>(app, [] { return std::make_shared<AlsaMidiService>(); }));
    commands.push_back(std::make_unique<DevicesCommand>(app));
    commands.push_back(std::make_unique<DeviceContentsCommand>(app));
    commands.push_back(std::make_unique<PlayCommand>(app, [] { return std::make_unique<AlsaSoundOutput>(); }));
    commands.push_back(std::make_unique<FindCommand>(app));
    commands.push_back(std::make_unique<LibraryCommand>(app));
    commands.push_back(std::make_unique<LoudnessCommand>(app));
    commands.push_back(std::make_unique<KitCommand>(app));

    // Set after the commands are made, which would take it over; those with --slot carry it themselves.
    app.footer(SlotChoice::kNumbering);

    // CLI11 takes the arguments last first.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    ShapeOptions::joinFitWord(arguments);
    std::reverse(arguments.begin(), arguments.end());
    try {
        app.parse(std::move(arguments));
    } catch (const CLI::ParseError& error) {
        // Help and version are successes; everything else is a wrong command line.
        return app.exit(error) == 0 ? 0 : 2;
    }
    for (const auto& command : commands) {
        if (command->chosen())
            return command->run();
    }
    std::cerr << app.help();
    return 2;
}
