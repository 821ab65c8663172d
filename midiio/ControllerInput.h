#pragma once

#include "midiio/IMidiService.h"
#include "midiio/MidiPortIdentity.h"
#include "midiio/NoteOnParser.h"
#include "midiio/PadNotes.h"

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// A MIDI controller whose notes play the pads: an input port on the service, connected to the
// controller the user chose, that hits every pad a Note On's note is taught to the moment the
// service hands the note over. The controller is kept by identity, so one unplugged and plugged in
// again, wherever it is listed then, plays on after the next refresh. A pad can be taught a note:
// the next Note On from the controller becomes its note (and plays it, so the musician hears what
// was taught).
//
// Threads: hits and teachings are reported on the service's thread, while the input's lock is
// held: they must be quick and must not call back into the input. Everything else is called from
// one thread of the caller's.
class ControllerInput {
public:
    // The pad's position among the labels the input was made with.
    using PadHit = std::function<void(std::uint16_t pad)>;
    using PadTaught = std::function<void(std::uint16_t pad, std::uint8_t note)>;

    // The pads are known by their slots' labels, in the order their positions count; at most 32.
    ControllerInput(IMidiService& service, MidiRef client, std::vector<std::string> padLabels, PadHit hit,
                    PadTaught taught);
    ~ControllerInput();
    ControllerInput(const ControllerInput&) = delete;
    ControllerInput& operator=(const ControllerInput&) = delete;

    // Listens to this controller from now on (none for an empty identity), and to no other.
    void choose(const MidiPortIdentity& controller);
    const MidiPortIdentity& chosen() const { return m_chosen; }
    // Whether the chosen controller is there and listened to.
    bool isConnected() const { return m_source != 0; }
    // Listens to the chosen controller again where it has come back, and lets go of it where it
    // has gone; for after the service's endpoints have changed.
    void refresh();

    PadNotes notes() const;
    void setNotes(const PadNotes& notes);
    // The next Note On teaches its note to this pad, instead of whichever pads it plays.
    void learn(std::uint16_t pad);
    void cancelLearning();
    // The pad waiting for its note.
    std::optional<std::uint16_t> learning() const;

private:
    static constexpr std::size_t kNoteCount = PadNotes::kHighestNote + 1;

    void read(const MidiPacketList& packets);
    void noteOn(std::uint8_t note);
    // Which pads each note plays, one bit a pad: what the service's thread looks up.
    void mapNotesLocked();

    IMidiService& m_service;
    const std::vector<std::string> m_labels;
    const PadHit m_hit;
    const PadTaught m_taught;
    MidiRef m_port = 0;
    MidiPortIdentity m_chosen;
    MidiRef m_source = 0;

    // Guards what the service's thread reads and changes below.
    mutable std::mutex m_mutex;
    PadNotes m_notes = PadNotes::generalMidi();
    std::array<std::uint32_t, kNoteCount> m_padsOfNote{};
    std::optional<std::uint16_t> m_learning;
    NoteOnParser m_parser;
};
