#include "bytes/MemoryStreamBuffer.h"

MemoryStreamBuffer::MemoryStreamBuffer(std::span<const std::uint8_t> bytes)
{
    // The get area never writes through its pointers.
    char* begin = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
    setg(begin, begin, begin + bytes.size());
}

MemoryStreamBuffer::pos_type MemoryStreamBuffer::seekoff(off_type offset, std::ios_base::seekdir direction,
                                                         std::ios_base::openmode which)
{
    const off_type size = egptr() - eback();
    off_type base = 0;
    if (direction == std::ios_base::cur)
        base = gptr() - eback();
    else if (direction == std::ios_base::end)
        base = size;
    // A position past the end has no bytes to point at: the seek fails, as the next read would.
    if ((which & std::ios_base::in) == 0 || offset < -base || offset > size - base)
        return pos_type(off_type(-1));
    setg(eback(), eback() + base + offset, egptr());
    return pos_type(base + offset);
}

MemoryStreamBuffer::pos_type MemoryStreamBuffer::seekpos(pos_type position, std::ios_base::openmode which)
{
    return seekoff(off_type(position), std::ios_base::beg, which);
}
