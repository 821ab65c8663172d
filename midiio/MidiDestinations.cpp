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
        found.push_back(destination != 0 ? MidiPortIdentity::of(service.endpointNames(destination))
                                         : MidiPortIdentity{});
    }
    return found;
}

std::optional<std::size_t> MidiDestinations::indexOf(IMidiService& service, const MidiPortIdentity& identity)
{
    const std::vector<MidiPortIdentity> all = identities(service);
    const auto found
        = identity.empty() ? all.end() : std::find_if(all.begin(), all.end(), [&](const MidiPortIdentity& listed) {
              return listed.answers(identity);
          });
    if (found == all.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - all.begin());
}

std::vector<std::string> MidiDestinations::listedNames(const std::vector<MidiPortIdentity>& identities)
{
    std::vector<std::string> names;
    names.reserve(identities.size());
    for (const MidiPortIdentity& identity : identities)
        names.push_back(nameAmong(identities, identity));
    return names;
}

std::string MidiDestinations::nameAmong(const std::vector<MidiPortIdentity>& identities,
                                        const MidiPortIdentity& identity)
{
    const bool twin = std::any_of(identities.begin(), identities.end(), [&](const MidiPortIdentity& other) {
        return other != identity && other.displayName() == identity.displayName();
    });
    return twin ? identity.displayNameWithBus() : identity.displayName();
}

std::string MidiDestinations::locationOfCard(const std::string& longName)
{
    // The USB audio driver ends its long name with " at <path>, <speed> speed"; a product name
    // may hold anything, so the last such mention counts.
    const std::size_t at = longName.rfind(" at usb-");
    if (at == std::string::npos)
        return {};
    const std::size_t start = at + 4;
    const std::size_t comma = longName.find(',', start);
    std::string path = longName.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    // "usb-<bus>-<ports>", the ports numbers joined by dots.
    const std::size_t dash = path.rfind('-');
    const std::string ports = dash == std::string::npos ? std::string() : path.substr(dash + 1);
    if (dash <= 4 || ports.empty() || ports.find_first_not_of("0123456789.") != std::string::npos
        || path.find(' ') != std::string::npos)
        return {};
    return path;
}

std::string MidiDestinations::absence(IMidiService& service)
{
    if (!service.systemAvailable())
        return "no MIDI system (the ALSA sequencer is not available: is the snd-seq module loaded?)";
    if (service.destinationCount() == 0)
        return "no MIDI output: plug in your interface";
    return {};
}
