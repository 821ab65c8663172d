#pragma once

#include "midifile/MidiEvent.h"
#include "midiio/IClock.h"
#include "midiio/IMidiService.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Listens to one source and collects the complete System Exclusive messages that arrive into a
// list of the caller's; everything else is dropped.
//
// Threads: readData runs on the service's thread while the source is connected (between recordOn
// and recordOff); the recording user calls the rest from one thread of its own and reads its list
// only after recordOff has returned.
class SysexReceiver {
public:
    static std::uint16_t SourceNumber(IMidiService& service);
    // "manufacturer: display name"; a part the service does not know is empty.
    static std::string SourceNameAt(IMidiService& service, std::uint16_t index);
    // A source that does not exist gives a receiver that never receives anything.
    static std::shared_ptr<SysexReceiver> withClient(IMidiService& service, IClock& clock, MidiRef client,
                                                     std::uint16_t source);

    ~SysexReceiver();
    SysexReceiver(const SysexReceiver&) = delete;
    SysexReceiver& operator=(const SysexReceiver&) = delete;

    // Empties the list, waits 600 ms and connects the source, collecting into the list.
    void recordOn(std::vector<midi::MidiEvent>* events);
    // Disconnects the source and waits 300 ms for the last packets to be parsed.
    void recordOff();
    bool didRecordingBegin() const;
    // Whether System Exclusive bytes arrive within the next 300 ms.
    bool isStillRecording();
    // Waits up to the timeout for a message to begin, then for 300 ms of silence, and stops the
    // recording; true when a message began.
    bool waitForRecordOffWithTimeout(std::uint16_t seconds);

    // The parser: appends every message completed by these packets to the list. Any status byte
    // other than F7 inside a message, a real-time byte included, abandons that message.
    void readData(std::vector<midi::MidiEvent>* events, const MidiPacketList& packets);

private:
    SysexReceiver(IMidiService& service, IClock& clock, MidiRef client, std::uint16_t source);

    IMidiService& m_service;
    IClock& m_clock;
    MidiRef m_client;
    MidiRef m_port;
    MidiRef m_source;
    std::atomic<bool> m_isStillRecording{false};
    std::atomic<bool> m_didRecordingBegin{false};
    bool m_isConnected = false;
    midi::MidiEvent m_event;
};
