#include "cli/DevicesCommand.h"

#include "midiio/BankBlocks.h"
#include "midiio/MidiDestinations.h"
#include "midiio/record/DeviceContents.h"
#include "midiio/record/DeviceRecord.h"

#include <CLI/CLI.hpp>

#include <iostream>

DevicesCommand::DevicesCommand(CLI::App& app)
    : Command(app, "devices", "List the devices banks were sent to and which banks of each are known")
{
}

int DevicesCommand::run()
{
    const std::string folder = DeviceRecord::defaultFolder();
    const std::vector<MidiPortIdentity> devices = DeviceRecord::recorded(folder);
    // None is an answer, given on stderr so that a script reading the list sees none.
    if (devices.empty())
        std::cerr << "no device has a record yet (a device gets one when banks are sent to it)\n";
    const std::vector<std::string> names = MidiDestinations::listedNames(devices);
    for (std::size_t index = 0; index < devices.size(); ++index) {
        const DeviceRecord record(folder, devices[index]);
        const DeviceContents contents(record);
        std::cout << index << ": " << names[index] << ": known: " << bankblocks::list(contents.knownBlocks()) << '\n';
    }
    return 0;
}
