// Runs inside the test kernel with snd-virmidi loaded: the ALSA service must list the VirMIDI
// ports by name, pass a message written to the rawmidi device on to a receiver, and fail a message
// whose destination disappears while it is being sent. And zylox send as a user runs it there:
// --port by a part of a name, and Ctrl-C in the middle of a bank. That a bank arrives byte for byte
// in its wire time is the serial and USB guests' to show, on drivers that carry it to a wire.
#include "midiio/AlsaMidiService.h"
#include "midiio/SystemClock.h"
#include "midiio/WrapperZQMidiInterface.h"
#include "midiio/ZQMidiSystem.h"
#include "tests/midiio/kernel/GuestSend.h"

#include <alsa/asoundlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <future>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

using guest::secondsSince;

// Index of the source whose port is "VirMIDI <card>-0", and the card; -1 when there is none.
int findVirmidiSource(IMidiService& service, int& card)
{
    for (std::size_t index = 0; index < service.sourceCount(); ++index) {
        int device;
        const MidiEndpointNames names = service.endpointNames(service.sourceAt(index));
        if (std::sscanf(names.display.c_str(), "VirMIDI %d-%d", &card, &device) == 2 && device == 0)
            return static_cast<int>(index);
    }
    return -1;
}

bool receivesFromRawmidi(AlsaMidiService& service, SystemClock& clock, int source, int card)
{
    ZQMidiSystem system(service, clock);
    auto wrapper = WrapperZQMidiInterface::createReceiver(system, static_cast<std::uint16_t>(source));
    std::vector<midi::event> events;
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
    const bool right = events.size() == 1 && events[0] == midi::event{0xF0, 0x01, 0x02, 0x03, 0xF7};
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
    const int port = snd_seq_create_simple_port(other, "vanishing in", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                                SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    MidiRef destination = 0;
    for (std::size_t index = 0; index < service.destinationCount(); ++index)
        if (service.endpointNames(service.destinationAt(index)).display == "vanishing in")
            destination = service.destinationAt(index);

    const guest::Bytes message = guest::message(31'250); // ten seconds of wire
    std::promise<bool> outcome;
    auto completed = outcome.get_future();
    const auto start = std::chrono::steady_clock::now();
    service.sendSysex({destination, message.data(), static_cast<std::uint32_t>(message.size()),
                       [&](bool sent) { outcome.set_value(sent); }});
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    snd_seq_delete_port(other, port);
    const double deleted = secondsSince(start);
    const bool sent = completed.get();
    const double failedAfter = secondsSince(start) - deleted;
    snd_seq_close(other);
    std::printf("vanishing destination: %s %.2f s after its port was deleted\n", sent ? "SENT" : "failed", failedAfter);
    return destination != 0 && !sent && failedAfter < 1.0;
}

// Runs /bin/zylox with the arguments; after the delay, if one is given, interrupts it. Its exit
// status (-1 for anything but an exit), with its standard error and the seconds from the signal.
int zylox(std::vector<const char*> arguments, int afterSeconds, std::string& errors, double& exitedAfter)
{
    mkdir("/tmp", 0777);
    const pid_t child = fork();
    if (child == 0) {
        const int err = open("/tmp/zylox.err", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int out = open("/dev/null", O_WRONLY);
        dup2(err, 2);
        dup2(out, 1);
        arguments.insert(arguments.begin(), "zylox");
        arguments.push_back(nullptr);
        execv("/bin/zylox", const_cast<char* const*>(arguments.data()));
        _exit(127);
    }
    auto signalled = std::chrono::steady_clock::now();
    if (afterSeconds > 0) {
        std::this_thread::sleep_for(std::chrono::seconds(afterSeconds));
        signalled = std::chrono::steady_clock::now();
        kill(child, SIGINT);
    }
    int status = 0;
    waitpid(child, &status, 0);
    exitedAfter = secondsSince(signalled);
    std::ifstream in("/tmp/zylox.err");
    errors.assign(std::istreambuf_iterator<char>(in), {});
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool zyloxChoosesByNameAndStopsOnCtrlC()
{
    setenv("XDG_STATE_HOME", "/tmp/state", 1);
    std::string errors;
    double after = 0;
    const int several = zylox({"send", "--port", "virmidi", "--bank", "S05"}, 0, errors, after);
    std::printf("zylox send --port virmidi: exit %d\n%s", several, errors.c_str());
    const bool listed = several == 2 && errors.find("VirMIDI 0-1") != std::string::npos;
    // The first erase goes after about 4 s: interrupted at 6 s, the bank is incomplete.
    const int stopped = zylox({"send", "--port", "virmidi 0-0", "--bank", "S05"}, 6, errors, after);
    std::printf("zylox send --port 'virmidi 0-0', Ctrl-C after 6 s: exit %d %.2f s after the signal\n%s", stopped, after,
                errors.c_str());
    return listed && stopped == 130 && after < 1.0 &&
           errors.find("Incomplete on the device: S05 ") != std::string::npos;
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
    for (std::uint16_t index = 0; index < ZQMidiInterfaceTransmitter::DestinationNumber(service); ++index)
        std::printf("destination %u: %s (%s)\n", index, ZQMidiInterfaceTransmitter::DestinationNameAt(service, index).c_str(),
                    service.endpointNames(service.destinationAt(index)).model.c_str());
    for (std::uint16_t index = 0; index < ZQMidiInterfaceReceiver::SourceNumber(service); ++index)
        std::printf("source %u: %s\n", index, ZQMidiInterfaceReceiver::SourceNameAt(service, index).c_str());

    // The destinations' names are the script's to check.
    int card = -1;
    const int source = findVirmidiSource(service, card);
    if (source < 0) {
        std::printf("no VirMIDI source listed\n");
        return 1;
    }
    const bool received = receivesFromRawmidi(service, clock, source, card);
    const bool failed = failsWhenTheDestinationVanishes(service);
    const bool zyloxRuns = zyloxChoosesByNameAndStopsOnCtrlC();
    return received && failed && zyloxRuns ? 0 : 1;
}
