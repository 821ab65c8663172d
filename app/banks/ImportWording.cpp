#include "app/banks/ImportWording.h"

#include "audio/DeviceRate.h"
#include "audio/SoundFileDecoder.h"
#include "audio/SoundFileTypes.h"
#include "audio/SoundShape.h"
#include "model/MessageSlotRefusal.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace {

// The window's language's digits; where the program runs under the C locale, English ones, with
// their thousands separators and lists without a comma before "and".
QLocale numbers()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedKingdom) : locale;
}

QString seconds(std::size_t bytes)
{
    return ImportWording::tr("%1 s").arg(numbers().toString(static_cast<double>(bytes) / audio::kDeviceRate, 'f', 2));
}

QString bytes(std::size_t count)
{
    return numbers().toString(static_cast<qulonglong>(count));
}

// Rounded as printed, so a pitch a hair below zero reads "+0.00", not "-0.00".
QString signedPitch(double exact)
{
    const double semitones = std::round(exact * 100.0) / 100.0 + 0.0;
    return (semitones >= 0.0 ? QStringLiteral("+") : QString()) + numbers().toString(semitones, 'f', 2);
}

QString conversion(const audio::ImportResult& result)
{
    QString text = result.options.resampling == audio::Resampling::Clean ? ImportWording::tr("Clean")
                                                                         : ImportWording::tr("Classic");
    if (result.options.trim)
        text += result.trimmed > 0 ? ImportWording::tr(", %1 of silence trimmed").arg(seconds(result.trimmed))
                                   : ImportWording::tr(", no silence to trim");
    if (result.options.normalize) {
        const QString gain = (result.gainDecibels >= 0.0 ? QStringLiteral("+") : QString())
                             + numbers().toString(result.gainDecibels, 'f', 1);
        text += ImportWording::tr(", normalised %1 dB").arg(gain);
    }
    return text;
}

QString outcome(const audio::ImportResult& result, const QString& slotLabel)
{
    using Kind = audio::ImportResult::Kind;
    switch (result.kind) {
    case Kind::None:
        return ImportWording::tr("nothing imported");
    case Kind::Message:
        return ImportWording::tr("System Exclusive message of %1 bytes into %2").arg(bytes(result.length), slotLabel);
    case Kind::Sound:
    case Kind::Raw:
        break;
    }
    QString line = result.kind == Kind::Raw ? ImportWording::tr("%1 bytes of raw device data").arg(bytes(result.length))
                                            : seconds(result.length);
    if (result.cut())
        line += ImportWording::tr(", cut to %1 to fit %2").arg(seconds(result.slotLength), slotLabel);
    else if (result.padded())
        line += ImportWording::tr(", padded to %1 with silence").arg(seconds(result.slotLength));
    else if (result.fitPitch)
        //: The slot's label, then the pitch a fit chose: "fills CRASH exactly at +7.02 semitones"
        line += ImportWording::tr(", fills %1 exactly at %2 semitones").arg(slotLabel, signedPitch(*result.fitPitch));
    else
        line += ImportWording::tr(", fills %1 exactly").arg(slotLabel);
    if (result.kind == Kind::Raw)
        return line;
    //: The conversion in brackets after what the import did: "Clean, normalised +6.0 dB"
    line = ImportWording::tr("%1 (%2)").arg(line, conversion(result));
    //: What the import did, then that the file's sound ended before the length its header declares
    return result.cutShort ? ImportWording::tr("%1; the file is damaged or cut short").arg(line) : line;
}

QString holding(const audio::ImportResult& refused, const MessageSlotNeeds& needs)
{
    using Refusal = audio::ImportResult::Refusal;
    switch (refused.refusal) {
    case Refusal::BankFile:
        return ImportWording::tr("is a bank file, not a System Exclusive message");
    case Refusal::NoMessage:
        return ImportWording::tr("holds no System Exclusive message");
    case Refusal::ForeignMessage:
        return ImportWording::tr("holds a System Exclusive message that is not in the ZYLOX 515's own form");
    case Refusal::EraseMessage:
        return ImportWording::tr("holds a flash erase message, which would leave the block empty");
    case Refusal::WrongBlock:
        return ImportWording::tr("holds a flash write for another flash block");
    case Refusal::OtherSlotMessage:
        //: The other firmware slot's label: "holds the PRESETS message"
        return ImportWording::tr("holds the %1 message").arg(QString::fromStdString(needs.otherLabel));
    case Refusal::MessageLength:
        return refused.length == 1
                   ? ImportWording::tr("holds a System Exclusive message of 1 byte")
                   : ImportWording::tr("holds a System Exclusive message of %1 bytes").arg(bytes(refused.length));
    case Refusal::NoSound:
    case Refusal::OtherSoundFormat:
    case Refusal::Undecodable:
    case Refusal::NotASound:
    case Refusal::FitOutOfReach:
        break;
    }
    return {};
}

} // namespace

QString ImportWording::line(const audio::ImportResult& result, const QString& fileName, const QString& slotLabel)
{
    //: A file's name, then what its import did
    return tr("%1: %2").arg(fileName, outcome(result, slotLabel));
}

QString ImportWording::detail(const audio::ImportResult& refused)
{
    using Cause = audio::ImportResult::Cause;
    switch (refused.cause) {
    case Cause::None:
        break;
    case Cause::NoDecoderLibrary:
        //: The library's file name, as a user installs it
        return tr("%1, which decodes it, is not installed").arg(QString::fromUtf8(audio::kSoundFileLibrary));
    case Cause::Damaged:
        return tr("the file is damaged or cut short");
    case Cause::PitchOutOfReach:
        return tr("the region needs a pitch of %1 semitones to fill the slot; a fit reaches %2 to %3")
            .arg((refused.pitchNeeded >= 0.0 ? QStringLiteral("+") : QString())
                     + numbers().toString(refused.pitchNeeded, 'f', 1),
                 numbers().toString(-static_cast<int>(audio::furthestFit)),
                 QStringLiteral("+") + numbers().toString(static_cast<int>(audio::furthestFit)));
    case Cause::EmptyRegion:
        return tr("the region holds no sound to fit into the slot");
    }
    return {};
}

QString ImportWording::decodedFormats()
{
    QStringList names;
    for (const std::string& name : audio::decodedFormats())
        names << QString::fromStdString(name);
    return numbers().createSeparatedList(names);
}

QString ImportWording::messageSlotRefusal(const audio::ImportResult& refused, const QString& slotLabel,
                                          std::uint16_t slot)
{
    const MessageSlotNeeds needs = messageSlotNeeds(slot);
    const QString holds = holding(refused, needs);
    if (holds.isEmpty())
        return {};
    if (refused.refusal == audio::ImportResult::Refusal::OtherSlotMessage)
        //: What the file holds, then the firmware slot's label twice and how its own message begins
        return tr("%1; %2 takes the %2 message, which begins %3, for flash block %4")
            .arg(holds, slotLabel, QString::fromStdString(needs.form), QString::number(needs.block));
    //: What the file holds, then what the firmware slot takes
    return tr("%1; %2 takes one ZYLOX 515 System Exclusive message of %3 to %4 bytes for flash block %5")
        .arg(holds, slotLabel, bytes(needs.shortest), bytes(needs.longest), QString::number(needs.block));
}
