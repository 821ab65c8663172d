#include "playback/PcmFormat.h"

std::size_t PcmFormat::frameBytes() const
{
    return (encoding == Encoding::Signed16 ? 2u : 1u) * static_cast<std::size_t>(channels);
}

std::uint8_t PcmFormat::silence() const
{
    return encoding == Encoding::Signed16 ? 0x00 : 0x80;
}

Text PcmFormat::text() const
{
    const Text width
        = encoding == Encoding::Signed16 ? ZYLOX_TR("PcmFormat", "16-bit") : ZYLOX_TR("PcmFormat", "8-bit");
    const Text layout = channels == 1   ? ZYLOX_TR("PcmFormat", "mono")
                        : channels == 2 ? ZYLOX_TR("PcmFormat", "stereo")
                                        : Text(ZYLOX_TR("PcmFormat", "%1-channel"), {TextArgument::number(channels)});
    //: A sound's sample width, its channels and its rate: "16-bit stereo at 44100 frames per second"
    return {ZYLOX_TR("PcmFormat", "%1 %2 at %3 frames per second"), {width, layout, TextArgument::number(rate)}};
}
