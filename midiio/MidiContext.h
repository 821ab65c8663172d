#pragma once

#include "midiio/IClock.h"
#include "midiio/IMidiService.h"

#include <mutex>

// The MIDI service and the clock that the transport runs on, and the one MIDI client that every
// wrapper shares. The program makes one for its whole run (the ALSA service and the system clock);
// tests make their own over the loopback service and the virtual clock. Thread-safe.
class MidiContext {
public:
    MidiContext(IMidiService& service, IClock& clock);
    MidiContext(const MidiContext&) = delete;
    MidiContext& operator=(const MidiContext&) = delete;

    IMidiService& service() { return m_service; }
    IClock& clock() { return m_clock; }
    // Created by the first call and kept for the system's lifetime.
    MidiRef sharedClient();

private:
    IMidiService& m_service;
    IClock& m_clock;
    std::once_flag m_clientOnce;
    MidiRef m_client = 0;
};
