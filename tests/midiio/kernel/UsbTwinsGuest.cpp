// Runs inside the test kernel with two identical USB MIDI interfaces, one on each of two dummy USB
// controllers: the same strings, so the same client and port names, and only the USB path in the
// host cards' long names tells them apart. `zylox ports` lists them apart; a short message sent to
// the second by its listed name reaches the second gadget alone; and zylox keeps a record for each.
#include "midiio/MidiDestinations.h"
#include "midiio/alsa/AlsaMidiService.h"
#include "tests/midiio/kernel/GuestSend.h"
#include "tests/midiio/kernel/RawmidiReader.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const MidiPortIdentity cable{"Test USB MIDI", "Test USB MIDI MIDI 1"};

std::size_t cablesListed(IMidiService& service)
{
    const std::vector<MidiPortIdentity> all = MidiDestinations::identities(service);
    return static_cast<std::size_t>(std::count_if(
        all.begin(), all.end(), [](const MidiPortIdentity& identity) { return identity.sameNamesAs(cable); }));
}

bool listedApartByZylox()
{
    const guest::ZyloxRun ports = guest::runZylox("ports");
    const std::string listed = "Test USB MIDI:Test USB MIDI MIDI 1 (USB socket 1 on bus dummy_hcd.";
    return ports.status == 0 && ports.said.find(listed + "0)\n") != std::string::npos
           && ports.said.find(listed + "1)\n") != std::string::npos;
}

bool secondAloneReceives(AlsaMidiService& service)
{
    const int firstCard = guest::gadgetCard("dummy_udc.0");
    const int secondCard = guest::gadgetCard("dummy_udc.1");
    guest::RawmidiReader first, second;
    if (firstCard < 0 || secondCard < 0 || firstCard == secondCard || !first.open(firstCard)
        || !second.open(secondCard)) {
        std::printf("no two gadget cards to read from (%d, %d)\n", firstCard, secondCard);
        return false;
    }
    // Both ends were only just opened: bytes sent within that moment may be lost.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const std::vector<MidiPortIdentity> identities = MidiDestinations::identities(service);
    const std::vector<std::string> names = MidiDestinations::listedNames(identities);
    const auto named = std::find_if(names.begin(), names.end(), [](const std::string& name) {
        return name.find("bus dummy_hcd.1") != std::string::npos;
    });
    if (named == names.end())
        return false;
    const std::size_t index = static_cast<std::size_t>(named - names.begin());
    std::printf("sending to %s (%s)\n", named->c_str(), identities[index].toString().c_str());
    const Bytes message = guest::message(300);
    const bool sent = guest::sendSysex(service, service.destinationAt(index), message).sent;
    const bool arrived = guest::arrivedWhole("second gadget", second.take(std::chrono::seconds(1)), message);
    const Bytes elsewhere = first.take(std::chrono::milliseconds(500));
    std::printf("first gadget: %zu bytes arrived\n", elsewhere.size());
    return sent && arrived && elsewhere.empty();
}

bool twoRecordsKept()
{
    setenv("XDG_STATE_HOME", "/tmp/state", 1);
    if (guest::runZylox("pacing --port 'bus dummy_hcd.0' --piece 128").status != 0
        || guest::runZylox("pacing --port 'bus dummy_hcd.1' --piece 64").status != 0)
        return false;
    const guest::ZyloxRun devices = guest::runZylox("devices");
    return devices.status == 0
           && devices.said
                  == "0: Test USB MIDI:Test USB MIDI MIDI 1 (USB socket 1 on bus dummy_hcd.0): known: none\n"
                     "1: Test USB MIDI:Test USB MIDI MIDI 1 (USB socket 1 on bus dummy_hcd.1): known: none\n";
}

} // namespace

int main()
{
    AlsaMidiService service;
    const auto start = Clock::now();
    while (cablesListed(service) < 2 && guest::secondsSince(start) < 30)
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    for (const MidiPortIdentity& identity : MidiDestinations::identities(service))
        std::printf("destination: %s\n", identity.toString().c_str());
    if (cablesListed(service) < 2) {
        std::printf("the two USB MIDI ports never appeared\n");
        return 1;
    }
    const bool listed = listedApartByZylox();
    const bool second = secondAloneReceives(service);
    const bool records = twoRecordsKept();
    std::printf("listed apart: %s, second alone: %s, two records: %s\n", listed ? "yes" : "NO", second ? "yes" : "NO",
                records ? "yes" : "NO");
    return listed && second && records ? 0 : 1;
}
