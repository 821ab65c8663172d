#include "midifile/buffer.h"

#include <sstream>

std::string buffer::toString() const
{
    std::ostringstream text;
    text << "buffer < " << static_cast<const void*>(this) << " > ";
    return text.str();
}
