// What an import did, as the window says it: word for word zylox's line in English, and in German
// with German numbers.
#include "app/banks/ImportWording.h"
#include "app/window/Translations.h"
#include "audio/SoundFileTypes.h"
#include "model/MessageSlotRefusal.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <vector>

namespace {

using audio::ImportResult;
using Kind = ImportResult::Kind;
using Refusal = ImportResult::Refusal;
using Cause = ImportResult::Cause;

ImportResult result(Kind kind, std::size_t length, std::size_t slotLength)
{
    ImportResult made;
    made.kind = kind;
    made.length = length;
    made.slotLength = slotLength;
    return made;
}

// Cut, with every part of the conversion said: Clean, trimmed, normalised.
ImportResult cutClean()
{
    ImportResult cut = result(Kind::Sound, 99660, 8250);
    cut.options.resampling = audio::Resampling::Clean;
    cut.options.trim = true;
    cut.options.normalize = true;
    cut.trimmed = 330;
    cut.gainDecibels = 6.04;
    return cut;
}

class ImportWordingTest : public testing::Test {
protected:
    // The English of a program started without a language: the C locale.
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_F(ImportWordingTest, InEnglishTheWindowSaysWhatZyloxSays)
{
    ImportResult quiet = result(Kind::Sound, 3300, 8250);
    quiet.options.trim = true;
    quiet.options.normalize = true;
    quiet.gainDecibels = -1.5;
    std::vector<ImportResult> results{cutClean(),
                                      quiet,
                                      result(Kind::Sound, 8250, 8250),
                                      result(Kind::Raw, 2000, 8250),
                                      result(Kind::Raw, 9000, 8250),
                                      result(Kind::Message, 131078, 131078),
                                      ImportResult{}};
    for (const double pitch : {24.1221, -0.004, -7.5}) {
        results.push_back(result(Kind::Sound, 8250, 8250));
        results.back().options.fit = true;
        results.back().fitPitch = pitch;
    }
    for (const ImportResult& each : results)
        EXPECT_EQ(ImportWording::line(each, QStringLiteral("kick.wav"), QStringLiteral("CLAP")).toStdString(),
                  each.describe("kick.wav", "CLAP"));

    EXPECT_EQ(ImportWording::decodedFormats().toStdString(), audio::decodedFormatsText());

    for (const Refusal why : {Refusal::BankFile, Refusal::NoMessage, Refusal::ForeignMessage, Refusal::EraseMessage,
                              Refusal::WrongBlock, Refusal::NoSound, Refusal::FitOutOfReach}) {
        const ImportResult refused = ImportResult::refused(why);
        EXPECT_EQ(ImportWording::messageSlotRefusal(refused, QStringLiteral("OS"), 0).toStdString(),
                  messageSlotRefusal(refused, "OS", 0));
    }
    for (const std::uint16_t slot : {0, 1}) {
        const ImportResult refused = ImportResult::refused(Refusal::OtherSlotMessage, 130950);
        const std::string label = slot == 0 ? "PRESETS" : "OS";
        EXPECT_EQ(ImportWording::messageSlotRefusal(refused, QString::fromStdString(label), slot).toStdString(),
                  messageSlotRefusal(refused, label, slot));
    }
    for (const std::size_t length : {1u, 5u, 200000u}) {
        const ImportResult refused = ImportResult::refused(Refusal::MessageLength, length);
        EXPECT_EQ(ImportWording::messageSlotRefusal(refused, QStringLiteral("PRESETS"), 1).toStdString(),
                  messageSlotRefusal(refused, "PRESETS", 1));
    }

    // Why a sound did not decode or fit, a pitch above and below the reach of a fit.
    for (const Cause cause :
         {Cause::None, Cause::NoDecoderLibrary, Cause::Damaged, Cause::PitchOutOfReach, Cause::EmptyRegion})
        for (const double pitch : {76.04, -50.0, 0.0}) {
            ImportResult refused = ImportResult::refused(Refusal::FitOutOfReach);
            refused.cause = cause;
            refused.pitchNeeded = pitch;
            EXPECT_EQ(ImportWording::detail(refused).toStdString(), refused.detail()) << static_cast<int>(cause);
        }
}

TEST_F(ImportWordingTest, InGermanWithGermanDecimalsAndThousands)
{
    Translations german;
    ASSERT_TRUE(german.install(QLocale(QStringLiteral("de_DE")), QStringLiteral(ZYLOX_TRANSLATIONS_FOLDER)));
    EXPECT_EQ(ImportWording::line(cutClean(), QStringLiteral("kick.wav"), QStringLiteral("CLAP")),
              QStringLiteral("kick.wav: 3,02 s, auf 0,25 s gek\u00FCrzt, passend f\u00FCr CLAP (Sauber, 0,01 s Stille "
                             "abgeschnitten, normalisiert +6,0 dB)"));
    EXPECT_EQ(
        ImportWording::messageSlotRefusal(ImportResult::refused(Refusal::MessageLength, 5), QStringLiteral("OS"), 0),
        QStringLiteral("enth\u00E4lt eine System-Exclusive-Nachricht von 5 Bytes; OS nimmt eine "
                       "System-Exclusive-Nachricht des ZYLOX 515 von 1.024 bis 131.078 Bytes f\u00FCr Flash-Block 62"));
    ImportResult unfit = ImportResult::refused(Refusal::FitOutOfReach);
    unfit.cause = Cause::PitchOutOfReach;
    unfit.pitchNeeded = 76.04;
    EXPECT_EQ(ImportWording::detail(unfit),
              QStringLiteral("der Bereich br\u00E4uchte eine Tonh\u00F6he von +76,0 Halbt\u00F6nen, "
                             "um den Slot zu f\u00FCllen; Einpassen reicht von -48 bis +48"));
}

} // namespace
