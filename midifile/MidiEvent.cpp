#include "midifile/MidiEvent.h"

#include <sstream>

namespace midi {

std::string MidiEvent::toString() const
{
    std::ostringstream text;
    text << "midi::event < " << static_cast<const void*>(this) << " >\n"
         << "m_offset: " << m_offset << ' ';
    return text.str();
}

} // namespace midi
