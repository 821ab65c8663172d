#include "midiio/MidiPortIdentity.h"

namespace {

std::string escaped(const std::string& name)
{
    std::string out;
    for (const char c : name) {
        if (c == ':' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

} // namespace

std::string MidiPortIdentity::toString() const
{
    return escaped(client) + ":" + escaped(port);
}

std::optional<MidiPortIdentity> MidiPortIdentity::fromString(const std::string& stored)
{
    MidiPortIdentity identity;
    std::string* part = &identity.client;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        if (c == '\\') {
            if (++i == stored.size() || (stored[i] != ':' && stored[i] != '\\'))
                return std::nullopt;
            *part += stored[i];
        } else if (c == ':') {
            if (part == &identity.port)
                return std::nullopt;
            part = &identity.port;
        } else {
            *part += c;
        }
    }
    if (part != &identity.port)
        return std::nullopt;
    return identity;
}
