#pragma once

// What the guests that send through a real driver share: the bytes a transmitter must put on the
// wire, a bank sent in the time its wire and pauses take, and the comparison of what arrived.
#include "flash/FlashEvent.h"
#include "midiio/BankTransmitter.h"
#include "midiio/IMidiService.h"
#include "model/SoundBank.h"
#include "tests/support/Bytes.h"
#include "tests/support/kernel/Guest.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

namespace guest {

// A System Exclusive message of the given length whose data bytes vary.
inline Bytes message(std::size_t length)
{
    Bytes bytes(length);
    for (std::size_t i = 1; i + 1 < length; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7) & 0x7F);
    bytes.front() = 0xF0;
    bytes.back() = 0xF7;
    return bytes;
}

// A new transmitter silences its destination first: all notes off on each channel, the first once more.
inline Bytes notesOff()
{
    Bytes bytes;
    for (int channelByte = 0; channelByte < 17; ++channelByte)
        bytes.insert(bytes.end(), {static_cast<std::uint8_t>(0xB0 + channelByte % 16), 0x7B, 0x00});
    return bytes;
}

// The silencing, then the bank's dump on the channel.
inline Bytes wireOf(std::uint16_t bank, std::int32_t channel)
{
    Bytes bytes = notesOff();
    SoundBank sound(bank);
    for (const FlashEvent* event : sound.createEvents(static_cast<std::uint16_t>(channel)))
        bytes.insert(bytes.end(), event->getData().begin(), event->getData().end());
    return bytes;
}

// Sends the bank through a new transmitter; true when it was sent in no less than its wire time and
// 18 s of pauses, and no more than 6 s over (a busy host). Prints the wall time against the wire
// time and pauses: the figure, not a limit, of how closely the sender keeps to the wire.
inline bool sendsABankInItsTime(MidiContext& system, std::uint16_t destination, std::uint16_t bank,
                                std::int32_t channel)
{
    const auto start = std::chrono::steady_clock::now();
    auto wrapper = BankTransmitter::createTransmitter(system, destination);
    SoundBank sound(bank);
    const bool sent = wrapper->transmitBank(sound, channel);
    const double seconds = secondsSince(start);
    const double least = (notesOff().size() + 2 * (131'078 + 6)) / 3125.0 + 18;
    std::printf("bank %u: %s in %.2f s (wire time plus pauses %.2f s, %.4f times that; estimate %lld s)\n", bank,
                sent ? "sent" : "FAILED", seconds, least, seconds / least,
                static_cast<long long>(
                    BankTransmitter::estimateSeconds(sound.createEvents(static_cast<std::uint16_t>(channel)))));
    return sent && seconds >= least && seconds <= least + 6;
}

// Whether a message sent straight through the service went, and the seconds from the start of
// what happened meanwhile (an unplug, a port deleted, after a wait) to that outcome.
struct SysexOutcome {
    bool sent = false;
    double secondsAfter = 0;
};

inline SysexOutcome sendSysex(IMidiService& service, MidiRef destination, const Bytes& message,
                              std::chrono::milliseconds wait = {}, const std::function<void()>& meanwhile = {})
{
    std::promise<bool> outcome;
    auto completed = outcome.get_future();
    service.sendSysex({destination,
                       message.data(),
                       static_cast<std::uint32_t>(message.size()),
                       [&](bool sent) { outcome.set_value(sent); },
                       {}});
    std::this_thread::sleep_for(wait);
    const auto start = std::chrono::steady_clock::now();
    if (meanwhile)
        meanwhile();
    const bool sent = completed.get();
    return {sent, secondsSince(start)};
}

// Whether the message went through the wrapper's transmitter, waited for to its end.
inline bool transmitsMessage(BankTransmitter& wrapper, const Bytes& message)
{
    wrapper.transmitter()->transmitMessage(message);
    while (wrapper.transmitter()->isStillTransmitting())
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return !wrapper.transmitter()->didTransmissionFail();
}

// True when what arrived is what was expected; says so, or where they first differ.
inline bool arrivedWhole(const char* what, const Bytes& got, const Bytes& expected)
{
    const auto same = std::mismatch(got.begin(), got.end(), expected.begin(), expected.end()).first - got.begin();
    std::printf("%s: %zu bytes arrived, %zu expected, %s\n", what, got.size(), expected.size(),
                got == expected ? "identical" : ("first difference at byte " + std::to_string(same)).c_str());
    return got == expected;
}

} // namespace guest
