#pragma once

#include <cstdint>
#include <span>
#include <streambuf>

// Serves bytes already in memory to an input stream, with seeking, so that a parser written for
// files reads them without a second trip to the file. The bytes are only read and must outlive
// the buffer.
class MemoryStreamBuffer : public std::streambuf {
public:
    explicit MemoryStreamBuffer(std::span<const std::uint8_t> bytes);

protected:
    pos_type seekoff(off_type offset, std::ios_base::seekdir direction, std::ios_base::openmode which) override;
    pos_type seekpos(pos_type position, std::ios_base::openmode which) override;
};
