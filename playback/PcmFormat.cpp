#include "playback/PcmFormat.h"

std::size_t PcmFormat::frameBytes() const
{
    return (encoding == Encoding::Signed16 ? 2u : 1u) * static_cast<std::size_t>(channels);
}

std::uint8_t PcmFormat::silence() const
{
    return encoding == Encoding::Signed16 ? 0x00 : 0x80;
}

std::string PcmFormat::describe() const
{
    const std::string width = encoding == Encoding::Signed16 ? "16-bit" : "8-bit";
    const std::string layout = channels == 1   ? "mono"
                               : channels == 2 ? "stereo"
                                               : std::to_string(channels) + "-channel";
    return width + " " + layout + " at " + std::to_string(rate) + " frames per second";
}
