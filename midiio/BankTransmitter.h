#pragma once

#include "midiio/MidiContext.h"
#include "midiio/MidiPortIdentity.h"
#include "midiio/OutputPacing.h"
#include "midiio/SysexReceiver.h"
#include "midiio/SysexTransmitter.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class FlashEvent;
class IBank;

// What the editor and the command line use to send banks to the device: a transmitter (or a
// receiver) for one endpoint over the system's shared client, bank transmission with the dump's
// pauses, and the time estimate of a bank. How far a transmission has come is TransmissionRun's:
// only it knows the banks still to go.
//
// Threads: transmitBank blocks the calling worker for a whole bank; stop may be called from any
// other thread meanwhile. The wrapper must outlive the transmission it runs.
class BankTransmitter {
public:
    // MIDI wire rate: 31,250 bits per second at 10 bits a byte.
    static constexpr std::uint64_t wireBytesPerSecond = 3125;

    // A wrapper with a receiver for the source and no transmitter.
    static std::shared_ptr<BankTransmitter> createReceiver(MidiContext& system, std::uint16_t source);
    // A wrapper with a transmitter for the destination, silenced first.
    static std::shared_ptr<BankTransmitter> createTransmitter(MidiContext& system, std::uint16_t destination);
    // The same for the first destination of this identity wherever it is listed now; none when no
    // such destination is there, or another had taken its place by the time the port opened. Once
    // open, the transmitter stays with that destination: a device plugged in later never gets its
    // messages.
    static std::shared_ptr<BankTransmitter> createTransmitterTo(MidiContext& system, const MidiPortIdentity& device);

    // A negative index means no receiver (inport) or no transmitter (outport).
    BankTransmitter(MidiContext& system, std::int32_t inport, std::int32_t outport);
    BankTransmitter(const BankTransmitter&) = delete;
    BankTransmitter& operator=(const BankTransmitter&) = delete;

    // Sends the bank's four flash messages with their pauses and returns when the last one has
    // gone out. False when the wrapper has no transmitter, a message failed or the wrapper was
    // stopped; sending stops there.
    bool transmitBank(IBank& bank, std::int32_t channel);
    bool transmitABank(IBank& bank, std::int32_t channel);
    // Sends these events of a dump the same way: one flash block's erase and write, say.
    bool transmitEvents(std::span<FlashEvent* const> events);
    // Estimate in whole seconds, at least 1: the pauses plus the bytes at the wire rate, and the
    // gaps between the pieces of each message.
    static std::int64_t estimateSeconds(const std::vector<FlashEvent*>& events, const OutputPacing& pacing = {});

    // How carefully the transmitter's messages go from the next one on; an invalid pacing is
    // ignored.
    void setPacing(const OutputPacing& pacing);
    const OutputPacing& pacing() const { return m_pacing; }

    // Ends the transmission within a second, from any thread: a pause ends, the message on its way
    // is cut, and this wrapper sends nothing more.
    void stop() { m_stopRequested.store(true); }
    bool stopRequested() const { return m_stopRequested.load(); }
    // Whether the last transmitBank handed any message over: the bank's blocks on the device may
    // then be erased or partly written, unless it was sent.
    bool touchedDevice() const { return m_touchedDevice.load(); }

    IClock& clock() const { return m_clock; }
    const std::shared_ptr<SysexReceiver>& receiver() const { return m_receiver; }
    const std::shared_ptr<SysexTransmitter>& transmitter() const { return m_transmitter; }

private:
    // Sleeps the pause before a message in steps that notice stop; false when stopped.
    bool pause(std::uint64_t seconds);
    // Waits until the message on its way has ended, cutting it when stopped.
    void waitForMessage();

    IClock& m_clock;
    std::shared_ptr<SysexReceiver> m_receiver;
    std::shared_ptr<SysexTransmitter> m_transmitter;
    std::atomic<bool> m_stopRequested{false};
    std::atomic<bool> m_touchedDevice{false};
    OutputPacing m_pacing;
};
