#include "app/banks/AdviceWording.h"

#include "app/common/WindowText.h"
#include "audio/AdviceFact.h"

#include <QLocale>

#include <cmath>

namespace {

using Kind = audio::SlotAdvice::Kind;

// Seconds of the source to the millisecond, as the panel shows the window.
QString sourceSeconds(double seconds)
{
    return QLocale().toString(seconds, 'f', 3);
}

QString decibels(double value)
{
    return QLocale().toString(value, 'f', 0);
}

// What the user does in the panel to bring the sound in; empty where nothing there does.
QString remedy(const audio::SlotAdvice& advice)
{
    if (advice.start && advice.trimHelps)
        return AdviceWording::tr("start the window at %1 s or trim the silence").arg(sourceSeconds(*advice.start));
    if (advice.start)
        return AdviceWording::tr("start the window at %1 s").arg(sourceSeconds(*advice.start));
    if (advice.trimHelps)
        return AdviceWording::tr("trim the silence");
    return {};
}

QString withRemedy(const QString& fact, const audio::SlotAdvice& advice)
{
    const QString help = remedy(advice);
    //: What is wrong with the slot, then what would help
    return help.isEmpty() ? fact + QLatin1Char('.') : AdviceWording::tr("%1; %2.").arg(fact, help);
}

// What is wrong with the slot, as zylox says it too.
QString fact(const audio::ImportResult& result)
{
    return WindowText::of(audio::adviceFact(result));
}

QString silence(const audio::ImportResult& result)
{
    const audio::SlotAdvice& advice = result.advice;
    switch (advice.kind) {
    case Kind::ChannelSilent:
        //: What is silent, then the control that gives the sound
        return AdviceWording::tr("Silent: %1; choose Mix for its sound.").arg(fact(result));
    case Kind::FirstByte:
        return withRemedy(AdviceWording::tr("Silent: the only sound, at %1 s, falls on the slot's first byte, which "
                                            "is always silent")
                              .arg(sourceSeconds(advice.soundStart)),
                          advice);
    case Kind::None: // a slot's own bytes, taken back as they are
    case Kind::Quiet: {
        const double peak = result.report.peakDecibels;
        return AdviceWording::tr("Silent: the result's peak is %1, below %2 dBFS; raise the gain or normalise.")
            .arg(std::isfinite(peak) ? QLocale().toString(peak, 'f', 1) + QStringLiteral(" dBFS")
                                     : AdviceWording::tr("zero"),
                 decibels(audio::ShapeReport::quietestSound));
    }
    case Kind::SoundAfter:
    case Kind::SoundBefore:
        //: Where the sound lies, which the slot does not reach: "the next sound starts at 10.000 s"
        return withRemedy(AdviceWording::tr("Silent: %1").arg(fact(result)), advice);
    case Kind::PastTheEnd:
    case Kind::UnderAFrame:
    case Kind::NoSound:
    case Kind::LateHit:
        break;
    }
    //: That no sound lies where the window looked: "the source holds no sound above -70 dBFS"
    return AdviceWording::tr("Silent: %1.").arg(fact(result));
}

} // namespace

QString AdviceWording::warning(const audio::ImportResult& result)
{
    if (result.kind != audio::ImportResult::Kind::Sound)
        return {};
    if (result.report.silent)
        return silence(result);
    const audio::SlotAdvice& advice = result.advice;
    if (advice.kind != Kind::LateHit)
        return {};
    //: Where the hit starts in the slot: "the hit starts at 0.40 s of 0.74 s"
    return withRemedy(tr("Late: %1").arg(fact(result)), advice);
}

QString AdviceWording::refusal(const audio::ImportResult& refused)
{
    const audio::SlotAdvice& advice = refused.advice;
    switch (advice.kind) {
    case Kind::PastTheEnd:
        return tr("Nothing to put into the slot: the window starts at %1 s, past the end of the %2 s source.")
            .arg(sourceSeconds(refused.options.start), sourceSeconds(advice.sourceSeconds));
    case Kind::UnderAFrame:
        return tr("Nothing to put into the slot: the window from %1 s to %2 s is shorter than one frame of the "
                  "source.")
            .arg(QLocale().toString(refused.options.start, 'g', 9),
                 QLocale().toString(refused.options.end.value_or(refused.options.start), 'g', 9));
    case Kind::None:
    case Kind::ChannelSilent:
    case Kind::NoSound:
    case Kind::FirstByte:
    case Kind::Quiet:
    case Kind::SoundAfter:
    case Kind::SoundBefore:
    case Kind::LateHit:
        break;
    }
    return {};
}
