// Arbitrary bytes, cut into packets, through the receiver's parser: every message it collects is a
// whole System Exclusive message with nothing but data bytes between 0xF0 and 0xF7.
#include "midiio/SysexReceiver.h"
#include "tests/support/LoopbackMidiService.h"
#include "tests/support/VirtualClock.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// The first byte of each packet's run says how long the packet is (1 to 16 bytes).
MidiPacketList packetsOf(const std::uint8_t* data, std::size_t size)
{
    MidiPacketList packets(size * 2 + 16);
    std::uint64_t stamp = 0;
    for (std::size_t at = 0; at < size;) {
        const std::size_t length = std::min<std::size_t>(data[at] % 16 + 1, size - at - 1);
        ++at;
        if (length == 0)
            break;
        packets.add(stamp++, std::vector<std::uint8_t>(data + at, data + at + length));
        at += length;
    }
    return packets;
}

bool isWholeMessage(const midi::MidiEvent& message)
{
    if (message.size() < 2 || message.front() != 0xF0 || message.back() != 0xF7)
        return false;
    return std::none_of(message.begin() + 1, message.end() - 1, [](std::uint8_t byte) { return byte & 0x80; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static VirtualClock clock;
    static LoopbackMidiService service{clock};
    static const auto receiver = SysexReceiver::withClient(service, clock, service.createClient("fuzz"), 0);

    std::vector<midi::MidiEvent> events;
    receiver->readData(&events, packetsOf(data, size));
    // A message left open by one input must not leak into the next one's.
    receiver->readData(&events, packetsOf(std::vector<std::uint8_t>{0x00, 0xF8}.data(), 2));
    if (!std::all_of(events.begin(), events.end(), isWholeMessage))
        std::abort();
    return 0;
}
