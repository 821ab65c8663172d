#pragma once

#include <cstdint>
#include <optional>

// Finds the Note Ons in a MIDI byte stream as it arrives, a byte at a time and in pieces of any
// size: running status, real-time bytes anywhere (even inside a message), and every other message
// (System Exclusive included) passed over whole. A Note On of velocity 0 is a Note Off and is not
// one. Any channel: a controller's pads send on whichever channel it was set to.
class NoteOnParser {
public:
    // The note (0 to 127) of a Note On of velocity 1 or more this byte completes.
    std::optional<std::uint8_t> noteOnIn(std::uint8_t byte);
    // Forgets a message begun: the next bytes come from another source, or after a gap.
    void reset();

private:
    // The status the next data bytes belong to; 0 where they belong to none (after a System
    // Exclusive or system common message, which end running status).
    std::uint8_t m_status = 0;
    std::uint8_t m_firstData = 0;
    bool m_hasFirstData = false;
};
