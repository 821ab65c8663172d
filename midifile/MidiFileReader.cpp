#include "midifile/MidiFileReader.h"

#include <array>
#include <cstring>

namespace {

constexpr std::uint8_t metaEventStatus = 0xFF;
constexpr std::uint8_t endOfTrackType = 0x2F;
constexpr std::uint8_t systemExclusiveStatus = 0xF0;
constexpr std::uint8_t systemExclusiveEnd = 0xF7;
constexpr std::uint16_t largestDivision = 1562;
constexpr std::uint64_t lineBytesPerSecond = 3125;

bool readChunkId(ByteReader& in, const char (&expected)[5])
{
    std::array<std::uint8_t, 4> id{};
    return in.readBytes(id.data(), id.size()) == id.size() && std::memcmp(id.data(), expected, id.size()) == 0;
}

} // namespace

MidiFileReader::MidiFileReader(const std::string& path)
    : ByteReader(path)
{
    readHeader();
}

void MidiFileReader::readHeader()
{
    if (readChunkId(*this, "MThd")) {
        skip(4);
        m_format = readUInt16(true);
        m_trackCount = readUInt16(true);
        m_division = readUInt16(true);
    }
    // A header cut short is no header: its fields would be partly made up of zeros.
    if (fail()) {
        m_format = m_trackCount = m_division = 0;
        return;
    }
    if (m_division != 0 && m_division <= largestDivision)
        m_bytesPerTick = lineBytesPerSecond / (2 * std::uint64_t{m_division});
}

bool MidiFileReader::readTrackHeader()
{
    if (m_bytesPerTick == 0 || !readChunkId(*this, "MTrk"))
        return false;
    if (!skip(4))
        return false;
    m_firstEvent = true;
    m_lastEventLength = 0;
    return true;
}

bool MidiFileReader::readMetaEvent(std::uint8_t& type, ByteBuffer& body)
{
    if (m_bytesPerTick == 0)
        return false;
    const std::uint64_t start = tell();
    readVarLen();
    if (readByte() != metaEventStatus) {
        seek(start);
        return false;
    }
    type = readByte();
    const std::uint64_t length = readVarLen();
    // An empty body is a meta event too (an empty name); the end of the track is not one.
    if (type == endOfTrackType || fail() || length > remaining()) {
        seek(start);
        return false;
    }
    body.resize(length);
    if (readBuffer(body) == length)
        return true;
    seek(start);
    return false;
}

bool MidiFileReader::readEvent(ByteBuffer& message, double& seconds)
{
    const std::uint64_t k = m_bytesPerTick;
    if (k == 0)
        return false;
    const std::uint64_t start = tell();
    const std::uint64_t delta = readVarLen();
    std::uint64_t pause = delta;
    if (m_firstEvent) {
        // A track's first delta also counts every earlier track (the writer continues its time).
        if (delta >= m_elapsedTicks)
            pause = delta - m_elapsedTicks;
        m_elapsedTicks = delta;
    } else {
        m_elapsedTicks += delta;
    }
    const std::uint64_t previousLineTicks = m_lastEventLength / k;
    const std::uint64_t pauseTicks = pause >= previousLineTicks ? pause - previousLineTicks : 0;
    // NOLINTNEXTLINE(bugprone-integer-division): an event's pause is in whole seconds
    seconds = static_cast<double>(pauseTicks / 2 / m_division);
    m_firstEvent = false;

    const std::uint8_t status = readByte();
    if (status < 0x80 || status == metaEventStatus) {
        seek(start);
        return false;
    }
    const std::uint64_t length = messageLength(status);
    if (length == 0)
        return false;
    m_lastEventLength = length;
    message.resize(length);
    message[0] = status;
    return readBytes(message.data() + 1, length - 1) == length - 1;
}

std::uint64_t MidiFileReader::messageLength(std::uint8_t status)
{
    if (status < 0xC0 || (status >= 0xE0 && status < 0xF0) || status == 0xF2)
        return 3;
    if (status < 0xE0 || status == 0xF1 || status == 0xF3)
        return 2;
    if (status != systemExclusiveStatus)
        return 1;
    // The declared length is only a hint: the search for the closing 0xF7 starts seven eighths
    // into it, so an exact length finds the right 0xF7 even when the data holds another one.
    const std::uint64_t declared = readVarLen();
    const std::uint64_t searchOffset = declared * 7 / 8;
    const std::uint64_t bodyStart = tell();
    // The search could only run off the end of the file: fail as it would, without searching.
    if (searchOffset > remaining()) {
        setstate(std::ios::failbit);
        return 0;
    }
    skip(searchOffset);
    const std::uint64_t throughEnd = scanFor(systemExclusiveEnd);
    if (throughEnd == 0)
        return 0;
    seek(bodyStart);
    return 1 + searchOffset + throughEnd;
}

bool MidiFileReader::readEndOfTrack()
{
    if (m_bytesPerTick == 0)
        return false;
    const std::uint64_t start = tell();
    readVarLen();
    const bool isEnd = readByte() == metaEventStatus && readByte() == endOfTrackType && readVarLen() == 0 && !fail();
    if (!isEnd)
        seek(start);
    return isEnd;
}

bool MidiFileReader::readTrack(std::vector<midi::MidiEvent>& events)
{
    std::uint8_t type = 0;
    ByteBuffer body;
    while (readMetaEvent(type, body)) { }
    events.clear();
    midi::MidiEvent message;
    double seconds = 0.0;
    while (readEvent(message, seconds)) {
        message.m_offset = seconds;
        events.push_back(message);
    }
    return true;
}
