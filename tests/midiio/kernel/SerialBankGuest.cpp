// Sends a sound bank through the wrapper on the real clock to the serial MIDI port of the test
// kernel. On the host, with --check FILE, compares what the wire carried with what it must.
#include "midiio/AlsaMidiService.h"
#include "midiio/SystemClock.h"
#include "midiio/ZQMidiSystem.h"
#include "tests/midiio/kernel/GuestSend.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr std::uint16_t bankIndex = 7;
constexpr std::int32_t channel = 3;

// The driver selects its port with F5 01 after 3 s idle; F5 never occurs in what we send.
int checkWire(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    const guest::Bytes wire{std::istreambuf_iterator<char>(in), {}};
    guest::Bytes carried;
    std::size_t selects = 0;
    for (std::size_t i = 0; i < wire.size(); ++i) {
        if (wire[i] == 0xF5 && i + 1 < wire.size() && wire[i + 1] == 0x01) {
            ++selects;
            ++i;
        } else {
            carried.push_back(wire[i]);
        }
    }
    std::printf("the wire carried %zu port selects besides\n", selects);
    return guest::arrivedWhole("wire", carried, guest::wireOf(bankIndex, channel)) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--check") == 0)
        return checkWire(argv[2]);

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
    return guest::sendsABankInItsTime(system, static_cast<std::uint16_t>(destination), bankIndex, channel) ? 0 : 1;
}
