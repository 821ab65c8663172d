#pragma once

#include "bytes/SourceReader.h"

#include <cstdint>
#include <string>
#include <vector>

// A source file on disk, open while its decoder reads it: a regular file is read at the offsets
// asked for, anything else (a FIFO, a character device, standard input) forward only. Opening a
// FIFO does not wait for a writer; without one it reads as empty.
class SourceFileReader : public SourceReader {
public:
    explicit SourceFileReader(const std::string& path);
    ~SourceFileReader() override;
    SourceFileReader(const SourceFileReader&) = delete;
    SourceFileReader& operator=(const SourceFileReader&) = delete;

    // The errno of a failed open (EISDIR for a folder) or of the last failed read; 0 otherwise.
    int error() const { return m_error; }

    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> into) override;
    bool seekable() const override { return m_regular; }
    std::uint64_t size() const override { return m_regular ? m_size : m_position; }
    std::uint64_t bytesRead() const override { return m_read; }

    // The bytes of a stream's start kept to be read again: more than any header a sound file has
    // before its sound, by far less than the sound of a long file.
    static constexpr std::size_t kStreamHeadBytes = std::size_t{8} * 1024 * 1024;

private:
    // The next bytes of a stream, kept while they lie within its head.
    std::size_t readOn(std::span<std::uint8_t> into);

    int m_descriptor = -1;
    int m_error = 0;
    bool m_regular = false;
    std::uint64_t m_size = 0;
    std::uint64_t m_position = 0; // a stream's
    std::uint64_t m_read = 0;
    std::vector<std::uint8_t> m_head; // a stream's first bytes
};
