#include "playback/PlaybackFailure.h"

#include "playback/PcmRun.h"

Text PlaybackFailure::text() const
{
    const TextArgument alsa = TextArgument::systemText(system);
    switch (kind) {
    case Kind::None:
        break;
    case Kind::Unopenable:
        return {ZYLOX_TR("PlaybackFailure", "the ALSA device \"%1\" cannot be opened (%2)"), {device, alsa}};
    case Kind::FormatRefused:
        return {ZYLOX_TR("PlaybackFailure", "the ALSA device \"%1\" cannot play %2 (%3)"),
                {device, format.text(), alsa}};
    case Kind::Failed:
        return {ZYLOX_TR("PlaybackFailure", "the ALSA device \"%1\" failed (%2)"), {device, alsa}};
    case Kind::Channels:
        return {ZYLOX_TR("PlaybackFailure", "a sound of %1 channels cannot be played, only mono or stereo"),
                {TextArgument::number(format.channels)}};
    case Kind::Rate:
        return {ZYLOX_TR("PlaybackFailure", "a sound at %1 frames per second cannot be played, only at %2 to %3"),
                {TextArgument::number(format.rate), TextArgument::number(PcmRun::kLowestRate),
                 TextArgument::number(PcmRun::kHighestRate)}};
    case Kind::NoFrames:
        return ZYLOX_TR("PlaybackFailure", "the sound to play holds no frames");
    case Kind::HalfFrame:
        return ZYLOX_TR("PlaybackFailure", "the sound to play ends in half a stereo frame");
    }
    return {};
}

Text PlaybackFailure::unavailable() const
{
    return kind == Kind::None ? Text() : Text(ZYLOX_TR("PlaybackFailure", "No sound output: %1"), {text()});
}
