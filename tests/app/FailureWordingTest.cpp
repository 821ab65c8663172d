// Why a save or a play failed, as the window says it: word for word zylox's in English, and in
// German.
#include "app/files/SaveWording.h"
#include "app/sounds/PlaybackWording.h"
#include "app/window/Translations.h"
#include "playback/PcmRun.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

namespace {

using Kind = PlaybackFailure::Kind;

constexpr PcmFormat kStereo{PcmFormat::Encoding::Signed16, 44100, 2};

TEST(FailureWordingTest, InEnglishTheWindowSaysWhatZyloxSays)
{
    for (const FileFailure& failure : {FileFailure{}, FileFailure{FileFailure::Kind::NotRegular},
                                       FileFailure::fromErrno(EACCES), FileFailure::fromErrno(0)})
        EXPECT_EQ(SaveWording::failure(failure).toStdString(), failure.describe());

    // Every kind, and the formats a device may refuse: widths, and channels the words name or count.
    const std::vector<PlaybackFailure> failures{
        {},
        {Kind::Unopenable, "default", {}, "No such file or directory"},
        {Kind::FormatRefused, "default", kStereo, "Invalid argument"},
        {Kind::FormatRefused, "hw:1", {PcmFormat::Encoding::Unsigned8, 33000, 1}, "Invalid argument"},
        {Kind::FormatRefused, "hw:1", {PcmFormat::Encoding::Signed16, 8000, 6}, "Invalid argument"},
        {Kind::Failed, "default", {}, "Broken pipe"},
        PcmRun{{1, 2, 3}, 44100, 3}.refusal(),
        PcmRun{{1, 2}, 999, 1}.refusal(),
        PcmRun{{}, 44100, 2}.refusal(),
        PcmRun{{1, 2, 3}, 44100, 2}.refusal(),
    };
    for (const PlaybackFailure& failure : failures) {
        EXPECT_EQ(PlaybackWording::failure(failure).toStdString(), failure.describe());
        const std::string unavailable = failure ? "No sound output: " + failure.describe() : std::string();
        EXPECT_EQ(PlaybackWording::unavailable(failure).toStdString(), unavailable);
    }
}

TEST(FailureWordingTest, InGerman)
{
    Translations german;
    ASSERT_TRUE(german.install(QLocale(QStringLiteral("de_DE")), QStringLiteral(ZYLOX_TRANSLATIONS_FOLDER)));
    EXPECT_EQ(SaveWording::failure(FileFailure::fromErrno(0)), QStringLiteral("kann nicht geschrieben werden"));
    EXPECT_EQ(
        PlaybackWording::failure({Kind::FormatRefused, "default", kStereo, "Invalid argument"}),
        QStringLiteral("das ALSA-Ger\u00E4t \u201Edefault\u201C kann 16-Bit Stereo mit 44100 Frames pro Sekunde nicht "
                       "abspielen (Invalid argument)"));
    EXPECT_EQ(
        PlaybackWording::failure(PcmRun{{1, 2}, 999, 1}.refusal()),
        QStringLiteral("ein Sound mit 999 Frames pro Sekunde kann nicht abgespielt werden, nur mit 1000 bis 768000"));
}

} // namespace
