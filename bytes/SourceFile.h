#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The leading bytes of a file that is imported, read once: a pipe such as /dev/stdin cannot be
// read a second time, and an endless or huge source (/dev/zero, a FIFO, a file of gigabytes) must
// not hold up the import, so no more than limit bytes are ever read. A FIFO without a writer reads
// as empty instead of waiting for one.
class SourceFile {
public:
    SourceFile(const std::string& path, std::size_t limit);

    // The errno of a failed open or read (EISDIR for a folder); 0 when the bytes were read.
    int error() const { return m_error; }
    std::span<const std::uint8_t> bytes() const { return m_bytes; }
    // The whole file's size where only its first bytes were read; else the bytes read.
    std::uint64_t fileSize() const { return std::max<std::uint64_t>(m_fileSize, m_bytes.size()); }

private:
    // expected: the size a regular file had when opened, plus one; 0 for a stream.
    void read(int descriptor, std::size_t limit, std::size_t expected);

    std::vector<std::uint8_t> m_bytes;
    std::uint64_t m_fileSize = 0;
    int m_error = 0;
};
