#include "midiio/MidiPortIdentity.h"

#include <array>

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

const std::string kUsbPrefix = "usb-";

} // namespace

std::string MidiPortIdentity::socket() const
{
    const std::size_t dash = location.rfind('-');
    return dash == std::string::npos ? location : location.substr(dash + 1);
}

std::string MidiPortIdentity::displayName() const
{
    const std::string names = client + ":" + port;
    return location.empty() ? names : names + " (USB socket " + socket() + ")";
}

std::string MidiPortIdentity::displayNameWithBus() const
{
    const std::size_t dash = location.rfind('-');
    if (location.empty() || dash == std::string::npos || location.rfind(kUsbPrefix, 0) != 0 || dash < kUsbPrefix.size())
        return displayName();
    return client + ":" + port + " (USB socket " + socket() + " on bus "
           + location.substr(kUsbPrefix.size(), dash - kUsbPrefix.size()) + ")";
}

std::string MidiPortIdentity::toString() const
{
    const std::string names = escaped(client) + ":" + escaped(port);
    return location.empty() ? names : names + ":" + escaped(location);
}

std::optional<MidiPortIdentity> MidiPortIdentity::fromString(const std::string& stored)
{
    MidiPortIdentity identity;
    const std::array<std::string*, 3> parts{&identity.client, &identity.port, &identity.location};
    std::size_t part = 0;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        if (c == '\\') {
            if (++i == stored.size() || (stored[i] != ':' && stored[i] != '\\'))
                return std::nullopt;
            *parts[part] += stored[i];
        } else if (c == ':') {
            if (++part == parts.size())
                return std::nullopt;
        } else {
            *parts[part] += c;
        }
    }
    // toString never writes an empty location after its colon.
    if (part == 0 || (part == 2 && identity.location.empty()))
        return std::nullopt;
    return identity;
}
