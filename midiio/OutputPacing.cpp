#include "midiio/OutputPacing.h"

bool OutputPacing::valid() const
{
    return pieceBytes >= kSmallestPiece && pieceBytes <= kLargestPiece && gapMilliseconds <= kLongestGapMilliseconds;
}

std::size_t OutputPacing::pieces(std::size_t messageBytes) const
{
    return (messageBytes + pieceBytes - 1) / pieceBytes;
}

std::uint64_t OutputPacing::gapsMicroseconds(std::size_t messageBytes) const
{
    const std::size_t count = pieces(messageBytes);
    return count > 1 ? static_cast<std::uint64_t>(count - 1) * gapMilliseconds * 1000 : 0;
}
