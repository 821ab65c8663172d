#pragma once

#include "bytes/SourceReader.h"

#include <algorithm>
#include <cstdint>
#include <span>

// A source's bytes already in memory (a test's file, a drop read once), read from any offset.
class MemorySource : public SourceReader {
public:
    // The bytes stay the caller's and must outlive the reader.
    explicit MemorySource(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    {
    }

    std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> into) override
    {
        const std::size_t count = offset < m_bytes.size() ? std::min(into.size(), m_bytes.size() - offset) : 0;
        std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(offset), count, into.begin());
        m_read += count;
        return count;
    }
    bool seekable() const override { return true; }
    std::uint64_t size() const override { return m_bytes.size(); }
    std::uint64_t bytesRead() const override { return m_read; }

private:
    std::span<const std::uint8_t> m_bytes;
    std::uint64_t m_read = 0;
};
