#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// A source file's bytes, read where its decoder asks: a long sound's region is read without the
// hours before it. A regular file (or bytes in memory) reads from any offset; a stream (a FIFO,
// standard input) only forward, skipping what lies before the offset asked for, and keeps its first
// bytes, where a file's header is, to be read again.
class SourceReader {
public:
    virtual ~SourceReader() = default;

    // Reads into the span from a byte offset; returns how many bytes it read (fewer at the end, and
    // none from a stream that has passed the offset and no longer holds it).
    virtual std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> into) = 0;
    // Whether any offset can be read again, in any order.
    virtual bool seekable() const = 0;
    // The whole file's size; of a stream, how far it has been read so far.
    virtual std::uint64_t size() const = 0;
    // The bytes taken from the file so far, skipped ones included: what a read cost.
    virtual std::uint64_t bytesRead() const = 0;

    // The bytes from the start up to limit, held as they arrive: a short stream never costs the
    // whole limit.
    std::vector<std::uint8_t> bytesUpTo(std::size_t limit);
};
