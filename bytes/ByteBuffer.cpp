#include "bytes/ByteBuffer.h"

#include <sstream>

std::string ByteBuffer::toString() const
{
    std::ostringstream text;
    text << "buffer < " << static_cast<const void*>(this) << " > ";
    return text.str();
}
