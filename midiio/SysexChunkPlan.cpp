#include "midiio/SysexChunkPlan.h"

#include <algorithm>

SysexChunkPlan::SysexChunkPlan(std::size_t messageBytes, std::uint64_t bytesPerSecond, OutputPacing pacing)
    : m_bytesPerSecond(bytesPerSecond)
    , m_pacing(pacing.valid() ? pacing : OutputPacing{})
    , m_completionMicroseconds(wireMicroseconds(messageBytes, bytesPerSecond) + m_pacing.gapsMicroseconds(messageBytes))
{
    const std::size_t piece = m_pacing.pieceBytes;
    m_chunks.reserve(m_pacing.pieces(messageBytes));
    for (std::size_t offset = 0; offset < messageBytes; offset += piece)
        m_chunks.push_back(Chunk{offset, std::min(piece, messageBytes - offset), takenMicroseconds(offset)});
}

std::uint64_t SysexChunkPlan::takenMicroseconds(std::size_t handedOverBytes) const
{
    // No gap follows the last piece.
    return std::min(m_completionMicroseconds, wireMicroseconds(handedOverBytes, m_bytesPerSecond)
                                                  + static_cast<std::uint64_t>(m_pacing.pieces(handedOverBytes))
                                                        * m_pacing.gapMilliseconds * 1000);
}

std::uint64_t SysexChunkPlan::wireMicroseconds(std::size_t bytes, std::uint64_t bytesPerSecond)
{
    if (bytesPerSecond == 0)
        return 0;
    return static_cast<std::uint64_t>(bytes) * 1'000'000 / bytesPerSecond;
}
