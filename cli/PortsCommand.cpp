#include "cli/PortsCommand.h"

#include "midiio/AlsaMidiService.h"

#include <iostream>

PortsCommand::PortsCommand(CLI::App& app) : Command(app, "ports", "List the MIDI outputs that banks can be sent to") {}

int PortsCommand::run()
{
    AlsaMidiService service;
    const std::size_t count = service.destinationCount();
    if (count == 0) {
        std::cout << "no output ports detected\n";
        return 0;
    }
    for (std::size_t index = 0; index < count; ++index) {
        const MidiEndpointNames names = service.endpointNames(service.destinationAt(index));
        std::cout << index << ": " << names.model << ':' << names.display << '\n';
    }
    return 0;
}
