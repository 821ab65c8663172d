#include "bytes/SourceReader.h"

#include <algorithm>

namespace {

constexpr std::size_t kFirstStep = std::size_t{64} * 1024;

} // namespace

std::vector<std::uint8_t> SourceReader::bytesUpTo(std::size_t limit)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t size = std::min(kFirstStep, limit);; size = std::min(size * 2, limit)) {
        const std::size_t from = bytes.size();
        bytes.resize(size);
        bytes.resize(from + readAt(from, std::span(bytes).subspan(from)));
        if (bytes.size() < size || size == limit)
            return bytes;
    }
}
