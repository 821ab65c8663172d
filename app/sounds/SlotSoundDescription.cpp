#include "app/sounds/SlotSoundDescription.h"

#include "app/sounds/WaveformEnvelope.h"
#include "audio/DeviceRate.h"
#include "audio/ShapeReport.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace {

QString seconds(std::size_t bytes)
{
    return QCoreApplication::translate("SlotSoundDescription", "%1 s")
        .arg(QLocale().toString(static_cast<double>(bytes) / audio::kDeviceRate, 'f', 2));
}

} // namespace

QString slotSoundDescription(const QString& label, std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return QCoreApplication::translate("SlotSoundDescription", "%1: no sound").arg(label);
    const std::size_t sound = WaveformEnvelope::soundLength(bytes);
    if (sound == 0)
        return QCoreApplication::translate("SlotSoundDescription", "%1: %2 of silence")
            .arg(label, seconds(bytes.size()));
    const long decibels = std::lround(audio::ShapeReport::of(bytes.first(sound)).peakDecibels);
    // The typographic minus, as a screen reader reads "minus" rather than "dash".
    const QString level = decibels < 0 ? QStringLiteral("\u2212%1").arg(-decibels) : QString::number(decibels);
    return QCoreApplication::translate("SlotSoundDescription", "%1: %2 of sound, peak %3 dBFS, %4 of silence")
        .arg(label, seconds(sound), level, seconds(bytes.size() - sound));
}
