// Sends a sound bank through the wrapper on the real clock to the serial MIDI port of the test
// kernel, then one message carefully paced, in pieces of 32 bytes with 20 ms after each. On the
// host, with --check FILE, compares what the wire carried with what it must.
#include "midiio/MidiContext.h"
#include "midiio/SysexChunkPlan.h"
#include "midiio/SystemClock.h"
#include "midiio/alsa/AlsaMidiService.h"
#include "tests/midiio/kernel/GuestSend.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr std::uint16_t bankIndex = 7;
constexpr std::int32_t channel = 3;
const OutputPacing careful{32, 20};
// A second of wire in 98 pieces: 97 gaps.
const Bytes paced = guest::message(3125);

// Through a new transmitter, silenced first as every one is; true when it was sent in no less than
// its wire time and gaps. Prints the wall time against the estimate.
bool sendsAPacedMessage(MidiContext& system, std::uint16_t destination)
{
    auto wrapper = BankTransmitter::createTransmitter(system, destination);
    wrapper->setPacing(careful);
    const auto start = std::chrono::steady_clock::now();
    const bool sent = guest::transmitsMessage(*wrapper, paced);
    const double seconds = guest::secondsSince(start);
    const double estimate = SysexChunkPlan(paced.size(), 3125, careful).completionMicroseconds() / 1e6;
    std::printf("paced message: %zu bytes in pieces of %zu with %u ms after each: %s in %.2f s (estimate %.2f s, "
                "%.4f times that)\n",
                paced.size(), careful.pieceBytes, careful.gapMilliseconds, sent ? "sent" : "FAILED", seconds, estimate,
                seconds / estimate);
    return sent && seconds >= estimate;
}

// The driver selects its port with F5 01 after 3 s idle; F5 never occurs in what we send.
int checkWire(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    const Bytes wire{std::istreambuf_iterator<char>(in), {}};
    Bytes carried;
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
    const Bytes expected = concat({guest::wireOf(bankIndex, channel), guest::notesOff(), paced});
    return guest::arrivedWhole("wire", carried, expected) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--check") == 0)
        return checkWire(argv[2]);

    AlsaMidiService service;
    SystemClock clock;
    MidiContext system(service, clock);
    int destination = -1;
    for (std::uint16_t index = 0; index < SysexTransmitter::DestinationNumber(service); ++index) {
        const std::string name = SysexTransmitter::DestinationNameAt(service, index);
        std::printf("destination %u: %s\n", index, name.c_str());
        if (name.find("Serial MIDI") != std::string::npos && destination < 0)
            destination = index;
    }
    if (destination < 0) {
        std::printf("no serial MIDI port listed\n");
        return 1;
    }
    const bool bank = guest::sendsABankInItsTime(system, static_cast<std::uint16_t>(destination), bankIndex, channel);
    const bool pacedSent = sendsAPacedMessage(system, static_cast<std::uint16_t>(destination));
    return bank && pacedSent ? 0 : 1;
}
