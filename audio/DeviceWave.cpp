#include "audio/DeviceWave.h"

#include <cstdint>
#include <vector>

namespace audio {

namespace {

// The device's own format.
constexpr std::uint32_t deviceRate = 33000;

void appendTag(std::vector<std::uint8_t>& bytes, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(tag[i]));
}

void appendLittle(std::vector<std::uint8_t>& bytes, std::uint32_t value, unsigned width)
{
    for (unsigned i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> deviceWave(const std::vector<std::uint8_t>& samples)
{
    const auto dataLength = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t pad = dataLength & 1u;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + samples.size() + pad);
    appendTag(bytes, "RIFF");
    appendLittle(bytes, 36 + dataLength + pad, 4);
    appendTag(bytes, "WAVE");
    appendTag(bytes, "fmt ");
    appendLittle(bytes, 16, 4);
    appendLittle(bytes, 1, 2); // PCM
    appendLittle(bytes, 1, 2); // channels
    appendLittle(bytes, deviceRate, 4); // frames per second
    appendLittle(bytes, deviceRate, 4); // bytes per second
    appendLittle(bytes, 1, 2); // bytes per frame
    appendLittle(bytes, 8, 2); // bits per sample
    appendTag(bytes, "data");
    appendLittle(bytes, dataLength, 4);
    bytes.insert(bytes.end(), samples.begin(), samples.end());
    bytes.resize(bytes.size() + pad, 0);
    return bytes;
}

} // namespace audio
