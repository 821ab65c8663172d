#include "midiio/NoteOnParser.h"

namespace {

constexpr std::uint8_t kFirstRealTime = 0xF8;
constexpr std::uint8_t kSysexStart = 0xF0;
constexpr std::uint8_t kNoteOn = 0x90;

// Data bytes after a status byte; System Exclusive's run to their end and count as none.
int dataBytesOf(std::uint8_t status)
{
    switch (status & 0xF0) {
    case 0xC0: // program change
    case 0xD0: // channel pressure
        return 1;
    case 0xF0:
        return status == 0xF1 || status == 0xF3 ? 1 : status == 0xF2 ? 2 : 0;
    default:
        return 2;
    }
}

} // namespace

std::optional<std::uint8_t> NoteOnParser::noteOnIn(std::uint8_t byte)
{
    // A clock tick or an active sense between a message's bytes leaves the message as it was.
    if (byte >= kFirstRealTime)
        return std::nullopt;
    if (byte & 0x80) {
        m_hasFirstData = false;
        // Only channel messages may be continued in running status; a System Exclusive keeps its
        // status so that its bytes are passed over until a status byte ends it.
        m_status = byte < kSysexStart || byte == kSysexStart || dataBytesOf(byte) > 0 ? byte : 0;
        return std::nullopt;
    }
    if (m_status == 0 || m_status == kSysexStart)
        return std::nullopt;
    if (dataBytesOf(m_status) == 2 && !m_hasFirstData) {
        m_firstData = byte;
        m_hasFirstData = true;
        return std::nullopt;
    }
    m_hasFirstData = false;
    const std::uint8_t status = m_status;
    if (status >= kSysexStart)
        m_status = 0;
    if ((status & 0xF0) == kNoteOn && byte > 0)
        return m_firstData;
    return std::nullopt;
}

void NoteOnParser::reset()
{
    m_status = 0;
    m_hasFirstData = false;
}
