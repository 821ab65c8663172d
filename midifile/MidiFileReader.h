#pragma once

#include "bytes/ByteBuffer.h"
#include "bytes/ByteReader.h"
#include "midifile/MidiEvent.h"

#include <cstdint>
#include <string>
#include <vector>

// Reads a Standard MIDI File strictly in the order MidiFileWriter lays it out: header, then per
// track its header, meta events, messages and end of track. Chunk lengths are not trusted; a
// System Exclusive message ends at its 0xF7. Delta-times turn back into pauses in seconds under
// the writer's line-time model. Nothing is allocated beyond the bytes left in the file.
class MidiFileReader : public ByteReader {
public:
    // Reads the header; a missing file or header leaves trackCount() 0 and every read false.
    explicit MidiFileReader(const std::string& path);

    std::uint16_t format() const { return m_format; }
    std::uint16_t trackCount() const { return m_trackCount; }
    std::uint16_t division() const { return m_division; }

    bool readTrackHeader();
    // One meta event other than the end of the track, its body possibly empty; on false the
    // position is where it was.
    bool readMetaEvent(std::uint8_t& type, ByteBuffer& body);
    // One message with its own status byte, and the pause before it in seconds.
    bool readEvent(ByteBuffer& message, double& seconds);
    bool readEndOfTrack();
    // Skips the track's meta events and collects its messages with their pauses.
    bool readTrack(std::vector<midi::MidiEvent>& events);

private:
    void readHeader();
    // Bytes of the message that starts with status, the status included; 0 when it cannot be read.
    std::uint64_t messageLength(std::uint8_t status);

    std::uint16_t m_format = 0;
    std::uint16_t m_trackCount = 0;
    std::uint16_t m_division = 0;
    std::uint64_t m_bytesPerTick = 0;
    // Time of the current message from the start of the file, in ticks.
    std::uint64_t m_elapsedTicks = 0;
    bool m_firstEvent = false;
    std::uint64_t m_lastEventLength = 0;
};
