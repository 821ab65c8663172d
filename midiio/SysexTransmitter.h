#pragma once

#include "midifile/MidiEvent.h"
#include "midiio/IClock.h"
#include "midiio/IMidiService.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Sends System Exclusive messages to one destination, one message in flight at a time, and tells
// when the service has finished with them. Made by the factory below and shared; the service's
// completion may outlive the last owner without harm.
//
// Threads: start a send (transmitMessage, transmitDump) only while isStillTransmitting() is false,
// from any one thread; the completion runs on the service's thread. The message bytes are not
// copied and must stay unchanged until isStillTransmitting() is false again.
class SysexTransmitter : public std::enable_shared_from_this<SysexTransmitter> {
public:
    static std::uint16_t DestinationNumber(IMidiService& service);
    // "manufacturer: display name"; a part the service does not know is empty.
    static std::string DestinationNameAt(IMidiService& service, std::uint16_t index);
    // Opens an output port, silences the destination and waits until the silencing has left. A
    // destination that does not exist gives a transmitter whose every send fails.
    static std::shared_ptr<SysexTransmitter> withClient(IMidiService& service, IClock& clock, MidiRef client,
                                                        std::uint16_t destination);

    SysexTransmitter(const SysexTransmitter&) = delete;
    SysexTransmitter& operator=(const SysexTransmitter&) = delete;

    // The pieces and gaps of the messages from the next one on.
    void setPacing(OutputPacing pacing) { m_request.pacing = pacing; }
    // Starts sending one complete message, F0 to F7; returns at once.
    void transmitMessage(const std::vector<std::uint8_t>& message);
    // Sends the events one after another, each after a pause of its offset counted from the end
    // of the previous one; returns once the first is handed over. An empty list sends nothing.
    void transmitDump(const std::vector<midi::MidiEvent>& dump);
    // The completion step: the service reports the message in flight sent (or failed).
    void complete(bool sent);
    // Cuts the message on its way (transmitMessage); the send ends as failed. Call from the thread
    // that started it.
    void cancel();
    // The service's reference of the destination this transmitter sends to; 0 when none existed.
    MidiRef destination() const { return m_request.destination; }

    bool isStillTransmitting() const;
    // Whether the last send ended in a failure; meaningful once isStillTransmitting() is false. The
    // clock is woken when a send ends.
    bool didTransmissionFail() const;

    void sendAllNotesOffOverPort(MidiRef port, MidiRef destination);

private:
    SysexTransmitter(IMidiService& service, IClock& clock, MidiRef client);
    void initWithClient(std::uint16_t destination);
    void transmit(const std::vector<std::uint8_t>& message);
    void waitOffset(double seconds);
    void finish(bool failed);

    IMidiService& m_service;
    IClock& m_clock;
    MidiRef m_client;
    SysexSendRequest m_request;
    std::atomic<bool> m_isStillTransmitting{false};
    std::atomic<bool> m_didFail{false};
    const std::vector<midi::MidiEvent>* m_dump = nullptr;
    std::uint64_t m_dumpIndex = 0;
    std::uint64_t m_messageToSend = 0;
};
