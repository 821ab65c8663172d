#include "bytes/FileName.h"

std::string FileName::cut(std::string name, std::size_t bytes)
{
    if (name.size() <= bytes)
        return name;
    std::size_t end = bytes;
    // A character takes at most four bytes: three continuation bytes back is its start.
    while (end > 0 && bytes - end < 3 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
        --end;
    name.resize(end);
    return name;
}
