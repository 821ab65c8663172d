#include "app/sounds/PlaybackWording.h"

#include "playback/PcmRun.h"

namespace {

QString format(const PcmFormat& format)
{
    const QString width = format.encoding == PcmFormat::Encoding::Signed16 ? PlaybackWording::tr("16-bit")
                                                                           : PlaybackWording::tr("8-bit");
    const QString layout = format.channels == 1   ? PlaybackWording::tr("mono")
                           : format.channels == 2 ? PlaybackWording::tr("stereo")
                                                  : PlaybackWording::tr("%1-channel").arg(format.channels);
    //: A sound's sample width, its channels and its rate: "16-bit stereo at 44100 frames per second"
    return PlaybackWording::tr("%1 %2 at %3 frames per second").arg(width, layout).arg(format.rate);
}

} // namespace

QString PlaybackWording::failure(const PlaybackFailure& failure)
{
    using Kind = PlaybackFailure::Kind;
    const QString device = QString::fromStdString(failure.device);
    // ALSA's own text, in the user's language where the C library has it.
    const QString system = QString::fromLocal8Bit(failure.system.c_str());
    switch (failure.kind) {
    case Kind::None:
        break;
    case Kind::Unopenable:
        return tr("the ALSA device \"%1\" cannot be opened (%2)").arg(device, system);
    case Kind::FormatRefused:
        return tr("the ALSA device \"%1\" cannot play %2 (%3)").arg(device, format(failure.format), system);
    case Kind::Failed:
        return tr("the ALSA device \"%1\" failed (%2)").arg(device, system);
    case Kind::Channels:
        return tr("a sound of %1 channels cannot be played, only mono or stereo").arg(failure.format.channels);
    case Kind::Rate:
        return tr("a sound at %1 frames per second cannot be played, only at %2 to %3")
            .arg(failure.format.rate)
            .arg(PcmRun::kLowestRate)
            .arg(PcmRun::kHighestRate);
    case Kind::NoFrames:
        return tr("the sound to play holds no frames");
    case Kind::HalfFrame:
        return tr("the sound to play ends in half a stereo frame");
    }
    return {};
}

QString PlaybackWording::unavailable(const PlaybackFailure& failure)
{
    return failure ? tr("No sound output: %1").arg(PlaybackWording::failure(failure)) : QString();
}
