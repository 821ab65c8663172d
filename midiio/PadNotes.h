#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

// Which MIDI note plays which pad, each pad known by its slot's label ("CLOSED HI HAT"), so that
// what a musician taught stays with the sound it was taught for. A pad answers one note; a note may
// play several pads, all those it was taught to.
class PadNotes {
public:
    static constexpr std::uint8_t kHighestNote = 127;

    // The General MIDI drum notes: 42 closed hi-hat, 46 open hi-hat, 39 clap, 37 side stick (the
    // rim shot), 49 crash, 51 ride.
    static PadNotes generalMidi();

    // The note of the pad of this label; none for a label no note was taught to.
    std::optional<std::uint8_t> noteOf(const std::string& label) const;
    // From now on the note plays this pad, and the pad's former note no longer does. A note above
    // 127 is not one and changes nothing.
    void teach(const std::string& label, std::uint8_t note);

    // Every label with its note, to keep.
    const std::map<std::string, std::uint8_t>& taught() const { return m_notes; }

    friend bool operator==(const PadNotes&, const PadNotes&) = default;

private:
    std::map<std::string, std::uint8_t> m_notes;
};
