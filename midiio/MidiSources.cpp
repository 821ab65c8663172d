#include "midiio/MidiSources.h"

std::vector<MidiPortIdentity> MidiSources::identities(IMidiService& service)
{
    std::vector<MidiPortIdentity> found;
    const std::size_t count = service.sourceCount();
    for (std::size_t index = 0; index < count; ++index) {
        // A source that went between the count and this look keeps its place, nameless.
        const MidiRef source = service.sourceAt(index);
        found.push_back(source != 0 ? MidiPortIdentity::of(service.endpointNames(source)) : MidiPortIdentity{});
    }
    return found;
}

MidiRef MidiSources::find(IMidiService& service, const MidiPortIdentity& identity)
{
    if (identity.empty())
        return 0;
    const std::size_t count = service.sourceCount();
    for (std::size_t index = 0; index < count; ++index) {
        const MidiRef source = service.sourceAt(index);
        if (source != 0 && MidiPortIdentity::of(service.endpointNames(source)).answers(identity))
            return source;
    }
    return 0;
}
