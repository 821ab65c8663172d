#include "cli/PortsCommand.h"

#include "midiio/MidiDestinations.h"
#include "midiio/alsa/AlsaMidiService.h"

#include <iostream>

PortsCommand::PortsCommand(CLI::App& app)
    : Command(app, "ports", "List the MIDI outputs that banks can be sent to")
{
}

int PortsCommand::run()
{
    AlsaMidiService service;
    // Without a MIDI system nothing can ever be sent: a failure. An empty list is an answer, given
    // on stderr so that a script reading the ports sees none.
    if (!service.systemAvailable()) {
        std::cerr << "zylox: " << MidiDestinations::absence(service) << '\n';
        return 1;
    }
    const std::vector<std::string> names = MidiDestinations::listedNames(MidiDestinations::identities(service));
    if (names.empty())
        std::cerr << MidiDestinations::absence(service) << '\n';
    for (std::size_t index = 0; index < names.size(); ++index)
        std::cout << index << ": " << names[index] << '\n';
    return 0;
}
