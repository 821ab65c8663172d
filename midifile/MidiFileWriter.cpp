#include "midifile/MidiFileWriter.h"

#include <cmath>
#include <limits>

namespace {

constexpr std::uint8_t metaEventStatus = 0xFF;
constexpr std::uint8_t endOfTrackType = 0x2F;
constexpr std::uint8_t systemExclusiveStatus = 0xF0;
constexpr std::uint16_t largestDivision = 1562;

void writeChunkId(ByteWriter& out, const char (&id)[5])
{
    out.writeBytes(reinterpret_cast<const std::uint8_t*>(id), 4);
}

} // namespace

MidiFileWriter::MidiFileWriter(const std::string& path, std::uint16_t division)
    : ByteWriter(path)
    , m_division(division)
{
    if (division == 0 || division > largestDivision)
        setstate(std::ios::failbit);
    else
        m_bytesPerTick = lineBytesPerSecond / (2 * std::uint64_t{division});
    writeHeader();
}

void MidiFileWriter::writeHeader()
{
    const std::uint64_t position = tell();
    seek(0);
    writeChunkId(*this, m_trackCount != 0 ? "MThd" : "MIDI");
    writeUInt32(6, true);
    writeUInt16(m_trackCount > 1 ? 1 : 0, true);
    writeUInt16(m_trackCount, true);
    writeUInt16(m_division, true);
    if (position != 0)
        seek(position);
}

void MidiFileWriter::beginTrack(bool continueTime)
{
    m_trackLength = 0;
    m_pendingTime = continueTime ? m_totalTime : 0;
    m_trackStart = tell();
    writeChunkId(*this, "----");
    writeUInt32(0, true);
}

void MidiFileWriter::writeMetaEvent(std::uint8_t type, std::span<const std::uint8_t> body, bool timed)
{
    std::uint64_t written = timed ? writeTicks(m_pendingTime) : writeByte(0x00);
    written += writeByte(metaEventStatus);
    written += writeByte(type);
    written += writeCheckedVarLen(body.size());
    written += writeBytes(body.data(), body.size());
    m_trackLength += written;
}

void MidiFileWriter::writeEvent(std::span<const std::uint8_t> message, double seconds)
{
    if (message.empty())
        return;
    const std::uint64_t k = m_bytesPerTick;
    const std::uint64_t pause = secondsToByteUnits(seconds);
    std::uint64_t written = writeTicks(pause + m_pendingTime);
    written += writeByte(message[0]);
    if (message[0] == systemExclusiveStatus)
        written += writeCheckedVarLen(message.size() - 1);
    if (message.size() > 1)
        written += writeBytes(message.data() + 1, message.size() - 1);
    m_trackLength += written;
    m_pendingTime = roundUpToTick(message.size());
    m_totalTime += byteUnitsToTicks(pause + m_pendingTime) * k;
}

void MidiFileWriter::writeEvents(const std::vector<midi::MidiEvent>& events)
{
    for (const midi::MidiEvent& event : events)
        writeEvent(event, event.m_offset);
}

void MidiFileWriter::endTrack()
{
    writeMetaEvent(endOfTrackType, {}, true);
    m_trackEnd = tell();
    if (m_trackLength > std::numeric_limits<std::uint32_t>::max())
        setstate(std::ios::failbit);
    seek(m_trackStart);
    writeChunkId(*this, "MTrk");
    writeUInt32(static_cast<std::uint32_t>(m_trackLength), true);
    seek(m_trackEnd);
    ++m_trackCount;
    writeHeader();
}

std::uint64_t MidiFileWriter::secondsToByteUnits(double seconds) const
{
    const double units = std::ceil(static_cast<double>(m_bytesPerTick) * (2.0 * m_division * seconds));
    // NaN and negative pauses mean no pause; absurdly long ones saturate and fail at writeTicks.
    if (!(units > 0.0))
        return 0;
    if (units >= static_cast<double>(std::numeric_limits<std::uint32_t>::max()) * static_cast<double>(m_bytesPerTick))
        return std::numeric_limits<std::uint64_t>::max() / 2;
    return static_cast<std::uint64_t>(units);
}

std::uint64_t MidiFileWriter::byteUnitsToTicks(std::uint64_t byteUnits) const
{
    return byteUnits / m_bytesPerTick + (byteUnits % m_bytesPerTick != 0 ? 1 : 0);
}

std::uint64_t MidiFileWriter::roundUpToTick(std::uint64_t byteUnits) const
{
    return byteUnitsToTicks(byteUnits) * m_bytesPerTick;
}

std::size_t MidiFileWriter::writeTicks(std::uint64_t byteUnits)
{
    return writeCheckedVarLen(byteUnitsToTicks(byteUnits));
}

std::size_t MidiFileWriter::writeCheckedVarLen(std::uint64_t value)
{
    const std::size_t written = writeVarLen(value);
    if (written == 0)
        setstate(std::ios::failbit);
    return written;
}
