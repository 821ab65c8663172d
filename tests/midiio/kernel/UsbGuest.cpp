// Runs inside the test kernel with a USB MIDI interface on the dummy USB controller: the host side
// is snd-usb-audio, as for a musician's cable, and the gadget's own card receives what the cable
// carries. With one ALSA service throughout: a whole bank arrives byte for byte; an unplug in the
// middle of a message fails it within a second; after the replug the port is listed again and a
// second send arrives byte for byte.
#include "midiio/MidiContext.h"
#include "midiio/MidiDestinations.h"
#include "midiio/SystemClock.h"
#include "midiio/alsa/AlsaMidiService.h"
#include "tests/midiio/kernel/GuestSend.h"
#include "tests/midiio/kernel/RawmidiReader.h"

#include <alsa/asoundlib.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using guest::secondsSince;
using Clock = std::chrono::steady_clock;

const MidiPortIdentity cable{"Test USB MIDI", "Test USB MIDI MIDI 1"};
const char* const udc = "/sys/kernel/config/usb_gadget/g1/UDC";
constexpr std::uint16_t bankIndex = 12;
constexpr std::int32_t channel = 9;

void plug(bool in)
{
    std::ofstream(udc) << (in ? "dummy_udc.0\n" : "\n");
}

// Counts the service's notices of changed destinations.
struct Notices {
    std::mutex mutex;
    std::condition_variable changed;
    int count = 0;

    void notice()
    {
        std::lock_guard lock(mutex);
        ++count;
        changed.notify_all();
    }
    // Seconds until the identity is listed (or not, as wanted), looking again at every notice.
    double waitFor(IMidiService& service, bool listed, double limit)
    {
        const auto start = Clock::now();
        std::unique_lock lock(mutex);
        while (MidiDestinations::indexOf(service, cable).has_value() != listed) {
            if (secondsSince(start) > limit)
                return -1;
            changed.wait_for(lock, std::chrono::milliseconds(500));
        }
        return secondsSince(start);
    }
};

// Starts recording what arrives at the gadget's end of the cable. The cable was plugged in a
// moment ago and the gadget's end has only just been opened: bytes sent within that moment may be
// lost before either end is ready, as they may be by a real interface plugged in as a send begins.
// A musician's send comes later; so do the test's.
bool openGadget(guest::RawmidiReader& reader)
{
    if (!reader.open(guest::gadgetCard())) {
        std::printf("no gadget card to read from\n");
        return false;
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return true;
}

// Waits until nothing has arrived at the gadget for a second, then gives what arrived.
Bytes closeGadget(guest::RawmidiReader& reader)
{
    const Bytes arrived = reader.take(std::chrono::seconds(1));
    reader.close();
    return arrived;
}

bool sendsABank(MidiContext& system, guest::RawmidiReader& reader)
{
    const auto index = MidiDestinations::indexOf(system.service(), cable);
    const bool sent = guest::sendsABankInItsTime(system, static_cast<std::uint16_t>(*index), bankIndex, channel);
    return guest::arrivedWhole("bank", closeGadget(reader), guest::wireOf(bankIndex, channel)) && sent;
}

// Sends a ten-second message and unplugs the cable two seconds into it.
bool unplugFailsTheSendWithinASecond(AlsaMidiService& service)
{
    const guest::SysexOutcome outcome
        = guest::sendSysex(service, service.destinationAt(*MidiDestinations::indexOf(service, cable)),
                           guest::message(31'250), std::chrono::seconds(2), [] { plug(false); });
    std::printf("unplug: the send %s %.2f s after the unplug\n", outcome.sent ? "SUCCEEDED" : "failed",
                outcome.secondsAfter);
    return !outcome.sent && outcome.secondsAfter < 1.0;
}

bool sendsAgainAfterTheReplug(MidiContext& system, Notices& notices, guest::RawmidiReader& reader)
{
    plug(true);
    const double listed = notices.waitFor(system.service(), true, 20);
    std::printf("replug: the port is listed again after %.2f s (%d notices so far)\n", listed, notices.count);
    if (listed < 0 || !openGadget(reader))
        return false;
    const Bytes second = guest::message(31'250);
    auto wrapper = BankTransmitter::createTransmitter(
        system, static_cast<std::uint16_t>(*MidiDestinations::indexOf(system.service(), cable)));
    const auto start = Clock::now();
    const bool sent = guest::transmitsMessage(*wrapper, second);
    std::printf("second send: %s after %.2f s (wire time %.2f s)\n", sent ? "sent" : "FAILED", secondsSince(start),
                second.size() / 3125.0);
    return guest::arrivedWhole("second send", closeGadget(reader), concat({guest::notesOff(), second})) && sent;
}

} // namespace

int main()
{
    AlsaMidiService service;
    SystemClock clock;
    MidiContext system(service, clock);
    Notices notices;
    service.setDestinationsChanged([&] { notices.notice(); });
    const double appeared = notices.waitFor(service, true, 30);
    for (const MidiPortIdentity& identity : MidiDestinations::identities(service))
        std::printf("destination: %s\n", identity.displayName().c_str());
    if (appeared < 0) {
        std::printf("the USB MIDI port never appeared\n");
        return 1;
    }
    guest::RawmidiReader reader;
    if (!openGadget(reader))
        return 1;
    const bool bank = sendsABank(system, reader);
    const bool unplug = unplugFailsTheSendWithinASecond(service);
    const double gone = notices.waitFor(service, false, 5);
    std::printf("unplug: the port left the list after %.2f s more\n", gone);
    const bool again = sendsAgainAfterTheReplug(system, notices, reader);
    service.setDestinationsChanged({});
    return bank && unplug && gone >= 0 && again ? 0 : 1;
}
