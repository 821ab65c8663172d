#pragma once

#include "bytes/ByteBuffer.h"
#include "bytes/ByteWriter.h"
#include "midifile/MidiEvent.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Writes a Standard MIDI File track by track, straight to disk. Time is kept in bytes on the MIDI
// line (3125 per second) so that a sequencer playing the file never starts a message before the
// previous one has left; no tempo event is written, so a tick lasts 1 / (2 × division) seconds.
// Chunk headers stay placeholders ("MIDI", "----") until their track is ended, so an interrupted
// file is recognisably incomplete. A time or length that cannot be encoded fails the stream
// rather than leave a malformed event behind.
class MidiFileWriter : public ByteWriter {
public:
    // division: ticks per quarter note, 1 to 1562; anything else fails the stream.
    MidiFileWriter(const std::string& path, std::uint16_t division);

    // continueTime places the track's first event after everything written so far.
    void beginTrack(bool continueTime);
    // Untimed meta events get delta 0; timed ones come after the last message's line time.
    void writeMetaEvent(std::uint8_t type, std::span<const std::uint8_t> body, bool timed);
    // One message, status byte first, after a pause in seconds; an empty message writes nothing.
    void writeEvent(std::span<const std::uint8_t> message, double seconds);
    void writeEvents(const std::vector<midi::MidiEvent>& events);
    void endTrack();

    std::uint16_t trackCount() const { return m_trackCount; }

    // Time conversions; a byte unit is the time one byte takes on the MIDI line.
    std::uint64_t secondsToByteUnits(double seconds) const;
    std::uint64_t byteUnitsToTicks(std::uint64_t byteUnits) const;
    std::uint64_t roundUpToTick(std::uint64_t byteUnits) const;
    // The delta-time for a time in byte units; the bytes written, or 0 (stream failed) if too long.
    std::size_t writeTicks(std::uint64_t byteUnits);

    static constexpr std::uint64_t lineBytesPerSecond = 3125;

private:
    void writeHeader();
    // writeVarLen that fails the stream instead of leaving a value out.
    std::size_t writeCheckedVarLen(std::uint64_t value);

    std::uint16_t m_trackCount = 0;
    std::uint16_t m_division = 0;
    std::uint64_t m_bytesPerTick = 1;
    std::uint64_t m_trackLength = 0;
    std::uint64_t m_pendingTime = 0;
    std::uint64_t m_totalTime = 0;
    std::uint64_t m_trackStart = 0;
    std::uint64_t m_trackEnd = 0;
};
