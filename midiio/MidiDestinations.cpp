#include "midiio/MidiDestinations.h"

#include <algorithm>

std::vector<MidiPortIdentity> MidiDestinations::identities(IMidiService& service)
{
    std::vector<MidiPortIdentity> found;
    const std::size_t count = service.destinationCount();
    for (std::size_t index = 0; index < count; ++index) {
        // A destination that went between the count and this look keeps its place, nameless, so
        // that positions stay those of the service.
        const MidiRef destination = service.destinationAt(index);
        found.push_back(destination != 0 ? MidiPortIdentity::of(service.endpointNames(destination)) : MidiPortIdentity{});
    }
    return found;
}

std::optional<std::size_t> MidiDestinations::indexOf(IMidiService& service, const MidiPortIdentity& identity)
{
    const std::vector<MidiPortIdentity> all = identities(service);
    const auto found = identity.empty() ? all.end() : std::find(all.begin(), all.end(), identity);
    if (found == all.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - all.begin());
}

std::string MidiDestinations::absence(IMidiService& service)
{
    if (!service.systemAvailable())
        return "no MIDI system (the ALSA sequencer is not available: is the snd-seq module loaded?)";
    if (service.destinationCount() == 0)
        return "no MIDI output: plug in your interface";
    return {};
}
