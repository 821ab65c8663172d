// The core's texts as the window shows them: in the window's language, with its numbers, a count
// in the form its language gives the number; in English as zylox prints them.
#include "app/common/WindowText.h"
#include "app/window/Translations.h"
#include "audio/AdviceFact.h"
#include "audio/ImportResult.h"
#include "midiio/TransmissionAccount.h"
#include "midiio/TransmissionRun.h"
#include "midiio/record/SenderLock.h"
#include "model/MessageSlotRefusal.h"
#include "playback/PcmRun.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <vector>

namespace {

using audio::ImportResult;
using Refusal = ImportResult::Refusal;

// Cut, with every part of the conversion said: Clean, trimmed, normalised.
ImportResult cutClean()
{
    ImportResult cut;
    cut.kind = ImportResult::Kind::Sound;
    cut.length = 99660;
    cut.slotLength = 8250;
    cut.options.resampling = audio::Resampling::Clean;
    cut.options.trim = true;
    cut.options.normalize = true;
    cut.trimmed = 330;
    cut.gainDecibels = 6.04;
    return cut;
}

ImportResult unfit()
{
    ImportResult refused = ImportResult::refused(Refusal::FitOutOfReach);
    refused.cause = ImportResult::Cause::PitchOutOfReach;
    refused.pitchNeeded = 76.04;
    return refused;
}

// A slot that came out silent, its sound starting past what the slot holds.
ImportResult soundAfter()
{
    ImportResult silent;
    silent.kind = ImportResult::Kind::Sound;
    silent.report.silent = true;
    silent.advice.kind = audio::SlotAdvice::Kind::SoundAfter;
    silent.advice.soundStart = 10.25;
    return silent;
}

Text tooLong(std::size_t length)
{
    return messageSlotRefusalText(ImportResult::refused(Refusal::MessageLength, length), "OS", 0);
}

// What the file holds, the first part of the refusal.
Text holding(std::size_t length)
{
    return tooLong(length).arguments().front().part.front();
}

TransmissionAccount stopped()
{
    TransmissionAccount account;
    account.end = TransmissionAccount::End::Stopped;
    account.complete = {0, 1, 2, 3, 4, 6};
    account.incomplete = 7;
    account.incompleteBlock = kSecondBlock;
    account.notSent = {8, 31};
    // The firmware bank's presets were still to go, its operating system left alone.
    account.left = {{7, kSecondBlock}, {8}, {31, kFirstBlock}};
    return account;
}

struct Shown {
    Text text;
    const char16_t* expected;
};

void expectShown(const char* locale, const std::vector<Shown>& table)
{
    Translations translations;
    if (QLocale(QString::fromLatin1(locale)).language() != QLocale::C)
        ASSERT_TRUE(
            translations.install(QLocale(QString::fromLatin1(locale)), QStringLiteral(ZYLOX_TRANSLATIONS_FOLDER)));
    else
        QLocale::setDefault(QLocale::c());
    for (const Shown& each : table)
        EXPECT_EQ(WindowText::of(each.text), QString::fromUtf16(each.expected))
            << locale << ": " << each.text.english();
    QLocale::setDefault(QLocale::system());
}

constexpr PcmFormat kStereo{PcmFormat::Encoding::Signed16, 44100, 2};

// A program started without a language: English, numbers grouped as English groups them.
TEST(WindowTextTest, InEnglishAsZyloxPrintsIt)
{
    expectShown(
        "C",
        {
            {cutClean().text("kick.wav", "CLAP"),
             u"kick.wav: 3.02 s, cut to 0.25 s to fit CLAP (Clean, 0.01 s of silence trimmed, normalised +6.0 dB)"},
            {tooLong(1),
             u"holds a System Exclusive message of 1 byte; OS takes one ZYLOX 515 System Exclusive message of "
             u"1,024 to 131,078 bytes for flash block 62"},
            {holding(200000), u"holds a System Exclusive message of 200,000 bytes"},
            // A name that looks like an argument stays as it is.
            {SenderLock::Refusal{SenderLock::Refusal::Kind::Busy, "%2 port", "zylox", "4242"}.text(),
             u"%2 port is being sent to by zylox, process 4242"},
            {TransmissionRun::duration(3725), u"1 h 2 min"},
        });
}

TEST(WindowTextTest, InGermanWithGermanNumbers)
{
    expectShown(
        "de_DE",
        {
            {cutClean().text("kick.wav", "CLAP"),
             u"kick.wav: 3,02 s, auf 0,25 s gek\u00FCrzt, passend f\u00FCr CLAP (Sauber, 0,01 s Stille abgeschnitten, "
             u"normalisiert +6,0 dB)"},
            {tooLong(5),
             u"enth\u00E4lt eine System-Exclusive-Nachricht von 5 Bytes; OS nimmt eine "
             u"System-Exclusive-Nachricht des ZYLOX 515 von 1.024 bis 131.078 Bytes f\u00FCr Flash-Block 62"},
            {holding(1), u"enth\u00E4lt eine System-Exclusive-Nachricht von 1 Byte"},
            {unfit().detailText(),
             u"der Bereich br\u00E4uchte eine Tonh\u00F6he von +76,0 Halbt\u00F6nen, um den Slot zu "
             u"f\u00FCllen; Einpassen reicht von -48 bis +48"},
            {FileFailure::fromErrno(0).text(), u"kann nicht geschrieben werden"},
            {audio::adviceFact(soundAfter()), u"Der n\u00E4chste Sound beginnt bei 10,250 s"},
            {PlaybackFailure{PlaybackFailure::Kind::FormatRefused, "default", kStereo, "Invalid argument"}.text(),
             u"das ALSA-Ger\u00E4t \u201Edefault\u201C kann 16-Bit Stereo mit 44100 Frames pro Sekunde nicht abspielen "
             u"(Invalid argument)"},
            {PcmRun{{1, 2}, 999, 1}.refusal().text(),
             u"ein Sound mit 999 Frames pro Sekunde kann nicht abgespielt werden, nur mit 1000 bis 768000"},
        });
}

TEST(WindowTextTest, InFrench)
{
    expectShown(
        "fr_FR",
        {
            {TransmissionRun::duration(105), u"1\u00A0min 45\u00A0s"},
            {stopped().text(),
             u"Envoy\u00E9es enti\u00E8rement\u00A0: S01 \u00E0 S05, S07.\n"
             u"Sur l\u2019appareil\u00A0: S08, second bloc, incomplet (son bloc flash a \u00E9t\u00E9 effac\u00E9 ou "
             u"\u00E9crit en partie\u00A0: renvoyez-le).\nNon envoy\u00E9es\u00A0: S09, FW (premier bloc)."},
            {SenderLock::Refusal{SenderLock::Refusal::Kind::Busy, "UM-ONE:UM-ONE MIDI 1", "zylox", "4242"}.text(),
             u"zylox (processus 4242) envoie en ce moment \u00E0 UM-ONE:UM-ONE MIDI 1"},
            {RecordFailure{RecordFailure::Subject::Record, "/s/device-0123.txt", {FileFailure::Kind::NotRegular}}
                 .text(),
             u"le registre de l\u2019appareil /s/device-0123.txt n\u2019a pas pu \u00EAtre \u00E9crit (ce n\u2019est "
             u"pas "
             u"un fichier ordinaire)"},
            {holding(1), u"contient un message System Exclusive de 1\u00A0octet"},
        });
}

} // namespace
