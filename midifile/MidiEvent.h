#pragma once

#include "bytes/ByteBuffer.h"

#include <string>

namespace midi {

// One MIDI message, status byte first; in this program nearly always a whole System Exclusive
// message from 0xF0 to 0xF7.
class MidiEvent : public ByteBuffer {
public:
    using ByteBuffer::ByteBuffer;
    MidiEvent() = default;

    std::string toString() const override;

    // Pause before this event in seconds, when the event is part of a track or a dump.
    double m_offset = 0.0;
};

} // namespace midi
