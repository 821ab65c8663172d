#include "playback/PlaybackFailure.h"

#include "playback/PcmRun.h"

namespace {

std::string theDevice(const std::string& device)
{
    return "the ALSA device \"" + device + "\"";
}

} // namespace

std::string PlaybackFailure::describe() const
{
    switch (kind) {
    case Kind::None:
        break;
    case Kind::Unopenable:
        return theDevice(device) + " cannot be opened (" + system + ")";
    case Kind::FormatRefused:
        return theDevice(device) + " cannot play " + format.describe() + " (" + system + ")";
    case Kind::Failed:
        return theDevice(device) + " failed (" + system + ")";
    case Kind::Channels:
        return "a sound of " + std::to_string(format.channels) + " channels cannot be played, only mono or stereo";
    case Kind::Rate:
        return "a sound at " + std::to_string(format.rate) + " frames per second cannot be played, only at "
               + std::to_string(PcmRun::kLowestRate) + " to " + std::to_string(PcmRun::kHighestRate);
    case Kind::NoFrames:
        return "the sound to play holds no frames";
    case Kind::HalfFrame:
        return "the sound to play ends in half a stereo frame";
    }
    return {};
}
