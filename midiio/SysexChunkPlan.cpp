#include "midiio/SysexChunkPlan.h"

#include <algorithm>

SysexChunkPlan::SysexChunkPlan(std::size_t messageBytes, std::uint64_t bytesPerSecond)
    : m_completionMicroseconds(wireMicroseconds(messageBytes, bytesPerSecond))
{
    m_chunks.reserve((messageBytes + maxChunkBytes - 1) / maxChunkBytes);
    for (std::size_t offset = 0; offset < messageBytes; offset += maxChunkBytes)
        m_chunks.push_back(Chunk{offset, std::min(maxChunkBytes, messageBytes - offset),
                                 wireMicroseconds(offset, bytesPerSecond)});
}

std::uint64_t SysexChunkPlan::wireMicroseconds(std::size_t bytes, std::uint64_t bytesPerSecond)
{
    if (bytesPerSecond == 0)
        return 0;
    return static_cast<std::uint64_t>(bytes) * 1'000'000 / bytesPerSecond;
}
