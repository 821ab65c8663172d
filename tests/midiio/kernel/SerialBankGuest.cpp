// Sends a sound bank through the wrapper on the real clock to the serial MIDI port of the test
// kernel. On the host, with --expect FILE, writes the bytes the wire must carry instead.
#include "flash/CEvent.h"
#include "midiio/AlsaMidiService.h"
#include "midiio/SystemClock.h"
#include "midiio/WrapperZQMidiInterface.h"
#include "midiio/ZQMidiSystem.h"
#include "model/CSound.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr std::uint16_t bankIndex = 7;
constexpr std::int32_t channel = 3;

int writeExpected(const char* path)
{
    std::ofstream out(path, std::ios::binary);
    for (int channelByte = 0; channelByte < 17; ++channelByte) {
        const char notesOff[] = {static_cast<char>(0xB0 + channelByte % 16), 0x7B, 0x00};
        out.write(notesOff, sizeof notesOff);
    }
    CSound sound(bankIndex);
    for (const CEvent* event : sound.createEvents(channel))
        out.write(reinterpret_cast<const char*>(event->getData().data()), static_cast<std::streamsize>(event->getSize()));
    return out ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--expect") == 0)
        return writeExpected(argv[2]);

    AlsaMidiService service;
    SystemClock clock;
    ZQMidiSystem system(service, clock);
    int destination = -1;
    for (std::uint16_t index = 0; index < ZQMidiInterfaceTransmitter::DestinationNumber(service); ++index) {
        const std::string name = ZQMidiInterfaceTransmitter::DestinationNameAt(service, index);
        std::printf("destination %u: %s\n", index, name.c_str());
        if (name.find("Serial MIDI") != std::string::npos && destination < 0)
            destination = index;
    }
    if (destination < 0) {
        std::printf("no serial MIDI port listed\n");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    auto wrapper = WrapperZQMidiInterface::createTransmitter(system, static_cast<std::uint16_t>(destination));
    CSound sound(bankIndex);
    const bool sent = wrapper->transmitBank(sound, channel);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("bank %u: %s in %.2f s (estimate %lld s, wire %.2f s plus 18 s of pauses)\n", bankIndex,
                sent ? "sent" : "FAILED", seconds, static_cast<long long>(WrapperZQMidiInterface::estimateSeconds(sound.createEvents(static_cast<std::uint16_t>(channel)))),
                2 * (131'078 + 6) / 3125.0);
    // Wire time and pauses, plus 0.9 s of silencing, at most four 300 ms polls, and slack for a busy host.
    const double least = 2 * (131'078 + 6) / 3125.0 + 18;
    const bool paced = seconds >= least && seconds <= least + 6;
    if (!paced)
        std::printf("expected between %.2f and %.2f s\n", least, least + 6);
    return sent && paced ? 0 : 1;
}
