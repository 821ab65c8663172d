#include "playback/ISoundOutput.h"

std::string ISoundOutput::unavailableReason() const
{
    const PlaybackFailure failure = unavailable();
    return failure ? "No sound output: " + failure.describe() : std::string();
}
