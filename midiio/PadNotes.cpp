#include "midiio/PadNotes.h"

#include "model/FactoryTables.h"

PadNotes PadNotes::generalMidi()
{
    // In the slots' order: open hi-hat, closed hi-hat, clap, rim shot, crash, ride.
    constexpr std::uint8_t kDrumNotes[factory::kSoundSlotCount]{46, 42, 39, 37, 49, 51};
    PadNotes notes;
    for (std::uint16_t slot = 0; slot < factory::kSoundSlotCount; ++slot)
        notes.teach(factory::contentName(slot), kDrumNotes[slot]);
    return notes;
}

std::optional<std::uint8_t> PadNotes::noteOf(const std::string& label) const
{
    const auto found = m_notes.find(label);
    if (found == m_notes.end())
        return std::nullopt;
    return found->second;
}

void PadNotes::teach(const std::string& label, std::uint8_t note)
{
    if (note <= kHighestNote)
        m_notes[label] = note;
}
