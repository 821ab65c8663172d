// Runs inside the test kernel with snd-virmidi loaded: the ALSA service must list the VirMIDI
// ports by name, pass a message written to the rawmidi device on to a receiver, and fail a message
// whose destination disappears while it is being sent. A bank whose last slot changed after it was
// sent whole goes again as its second block's erase and write alone, byte for byte. And zylox send
// as a user runs it there: --port by a part of a name, and Ctrl-C in the middle of a bank. That a
// bank arrives in its wire time is the serial and USB guests' to show, on drivers that carry it to
// a wire.
#include "content/SlotContent.h"
#include "flash/FlashEvent.h"
#include "midiio/BankTransmitter.h"
#include "midiio/MidiContext.h"
#include "midiio/MidiDestinations.h"
#include "midiio/SystemClock.h"
#include "midiio/TransmissionRun.h"
#include "midiio/alsa/AlsaMidiService.h"
#include "midiio/record/DeviceRecord.h"
#include "tests/midiio/kernel/GuestSend.h"
#include "tests/midiio/kernel/RawmidiReader.h"

#include <alsa/asoundlib.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

bool receivesFromRawmidi(AlsaMidiService& service, SystemClock& clock, int source, int card)
{
    MidiContext system(service, clock);
    auto wrapper = BankTransmitter::createReceiver(system, static_cast<std::uint16_t>(source));
    std::vector<midi::MidiEvent> events;
    wrapper->receiver()->recordOn(&events);

    const std::string device = "hw:" + std::to_string(card) + ",0";
    snd_rawmidi_t* output = nullptr;
    if (snd_rawmidi_open(nullptr, &output, device.c_str(), 0) < 0)
        return false;
    const std::uint8_t bytes[] = {0x90, 0x3C, 0x40, 0xF0, 0x01, 0x02, 0x03, 0xF7};
    snd_rawmidi_write(output, bytes, sizeof bytes);
    snd_rawmidi_drain(output);
    snd_rawmidi_close(output);

    const bool began = wrapper->receiver()->waitForRecordOffWithTimeout(5);
    const bool right = events.size() == 1 && events[0] == midi::MidiEvent{0xF0, 0x01, 0x02, 0x03, 0xF7};
    std::printf("receive: %s, %zu message(s)%s\n", began ? "began" : "NOTHING", events.size(),
                right ? ", identical" : "");
    return began && right;
}

bool failsWhenTheDestinationVanishes(AlsaMidiService& service)
{
    snd_seq_t* other = nullptr;
    if (snd_seq_open(&other, "default", SND_SEQ_OPEN_DUPLEX, 0) < 0)
        return false;
    snd_seq_set_client_name(other, "vanishing");
    const int port
        = snd_seq_create_simple_port(other, "vanishing in", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                     SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    MidiRef destination = 0;
    for (std::size_t index = 0; index < service.destinationCount(); ++index)
        if (service.endpointNames(service.destinationAt(index)).display == "vanishing in")
            destination = service.destinationAt(index);

    // Ten seconds of wire, its port deleted half a second in.
    const guest::SysexOutcome outcome
        = guest::sendSysex(service, destination, guest::message(31'250), std::chrono::milliseconds(500),
                           [&] { snd_seq_delete_port(other, port); });
    snd_seq_close(other);
    std::printf("vanishing destination: %s %.2f s after its port was deleted\n", outcome.sent ? "SENT" : "failed",
                outcome.secondsAfter);
    return destination != 0 && !outcome.sent && outcome.secondsAfter < 1.0;
}

// The real clock with the dump's pauses twenty times shorter, so that two sends take seconds here:
// what is compared is the bytes, not the time.
class ShortPauses final : public IClock {
public:
    std::int64_t calendarSeconds() override { return m_clock.calendarSeconds(); }
    void sleepSeconds(std::uint64_t seconds) override { sleepMicroseconds(seconds * 1'000'000); }
    void sleepMicroseconds(std::uint64_t microseconds) override { m_clock.sleepMicroseconds(microseconds / 20); }
    void sleepUntilWoken(std::uint64_t microseconds) override { m_clock.sleepUntilWoken(microseconds); }
    void wake() override { m_clock.wake(); }

private:
    SystemClock m_clock;
};

// S05 sent whole, then with its last slot silenced: the record knows the first block is as it was.
bool aChangedLastSlotSendsTheSecondBlockAlone(int card)
{
    AlsaMidiService service(31'250); // ten times the wire rate: VirMIDI has no wire
    ShortPauses clock;
    MidiContext system(service, clock);
    const std::string port = "VirMIDI " + std::to_string(card) + "-0";
    std::optional<MidiPortIdentity> found;
    for (const MidiPortIdentity& identity : MidiDestinations::identities(service))
        if (identity.port == port)
            found = identity;
    // What reaches the VirMIDI card's rawmidi input from its sequencer port.
    guest::RawmidiReader reader;
    if (!found || !reader.open(card)) {
        std::printf("blocks: no VirMIDI %d-0 to send to\n", card);
        return false;
    }
    const auto wrapper = BankTransmitter::createTransmitterTo(system, *found);
    DeviceRecord record("/tmp/blocks-state", *found);
    TransmissionRun run(*wrapper, clock, 0, &record);
    SoundBank sent(4);
    const bool whole = run.run({{4, &sent}}) == TransmissionAccount::End::Sent;
    const Bytes first = reader.take(std::chrono::milliseconds(500));

    SoundBank changed(4);
    changed.putSound(5, Bytes(changed.getContent(5)->getSize(), 0x80), "quiet");
    const std::vector<RowBank> differ = record.differing({{4, &changed}}, 0);
    const bool secondOnly = differ.size() == 1 && differ[0].blocks == kSecondBlock;
    const bool block = secondOnly && run.run(differ) == TransmissionAccount::End::Sent;
    const std::vector<FlashEvent*>& events = changed.createEvents(0);
    const Bytes expected = concat({events[2]->getData(), events[3]->getData()});
    std::printf("blocks: the whole bank %s (%zu bytes arrived), then %s\n", whole ? "sent" : "FAILED", first.size(),
                secondOnly ? "the second block alone differs" : "NOT the second block alone");
    return whole && block
           && guest::arrivedWhole("the changed block", reader.take(std::chrono::milliseconds(500)), expected);
}

bool zyloxChoosesByNameAndStopsOnCtrlC()
{
    setenv("XDG_STATE_HOME", "/tmp/state", 1);
    const guest::ZyloxRun several = guest::runZylox("send --port virmidi --bank S05");
    const bool listed = several.status == 2 && several.said.find("VirMIDI 0-1") != std::string::npos;
    // The first erase goes after about 3 s: interrupted at 6 s, the bank's first block is incomplete.
    const guest::ZyloxRun stopped = guest::runZylox("send --port 'virmidi 0-0' --bank S05", 6);
    std::printf("Ctrl-C after 6 s: ended %.2f s after the signal\n", stopped.endedAfter);
    return listed && stopped.status == 130 && stopped.endedAfter < 1.0
           && stopped.said.find("On the device: S05, first block, incomplete ") != std::string::npos;
}

} // namespace

int main()
{
    AlsaMidiService service;
    SystemClock clock;
    if (!service.systemAvailable()) {
        std::printf("the sequencer did not open\n");
        return 1;
    }
    for (std::uint16_t index = 0; index < SysexTransmitter::DestinationNumber(service); ++index)
        std::printf("destination %u: %s (%s)\n", index, SysexTransmitter::DestinationNameAt(service, index).c_str(),
                    service.endpointNames(service.destinationAt(index)).model.c_str());
    for (std::uint16_t index = 0; index < SysexReceiver::SourceNumber(service); ++index)
        std::printf("source %u: %s\n", index, SysexReceiver::SourceNameAt(service, index).c_str());

    // The destinations' names are the script's to check.
    int card = -1;
    const int source = guest::virmidiSource(service, card);
    if (source < 0) {
        std::printf("no VirMIDI source listed\n");
        return 1;
    }
    const bool received = receivesFromRawmidi(service, clock, source, card);
    const bool failed = failsWhenTheDestinationVanishes(service);
    const bool blocks = aChangedLastSlotSendsTheSecondBlockAlone(card);
    const bool zyloxRuns = zyloxChoosesByNameAndStopsOnCtrlC();
    return received && failed && blocks && zyloxRuns ? 0 : 1;
}
