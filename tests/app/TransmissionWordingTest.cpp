// A transmission's times, rows, account and refusals as the window says them: word for word
// zylox's in English, and in French.
#include "app/transfer/TransmissionWording.h"
#include "app/window/Translations.h"
#include "midiio/BankBlocks.h"
#include "midiio/TransmissionRun.h"

#include <cerrno>

#include <QLocale>

#include <gtest/gtest.h>

namespace {

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

TEST(TransmissionWordingTest, InEnglishTheWindowSaysWhatZyloxSays)
{
    for (const std::int64_t seconds : {-5, 0, 59, 60, 105, 3599, 3600, 3000 * 60 + 7})
        EXPECT_EQ(TransmissionWording::duration(seconds).toStdString(), TransmissionRun::durationText(seconds))
            << seconds;
    for (const std::vector<std::size_t>& rows :
         std::vector<std::vector<std::size_t>>{{}, {4}, {4, 5}, {0, 1, 2, 4, 30, 31}})
        EXPECT_EQ(TransmissionWording::rows(rows).toStdString(), TransmissionAccount::rowList(rows));
    const std::vector<std::vector<RowBlocks>> blockLists{
        {}, {{4}}, {{4, kSecondBlock}}, {{0}, {1}, {2}, {4, kFirstBlock}, {5}, {31, kFirstBlock}}, {{3}, {4}}};
    for (const std::vector<RowBlocks>& rows : blockLists)
        EXPECT_EQ(TransmissionWording::blocks(rows).toStdString(), bankblocks::list(rows));
    for (const BankBlock block : {kFirstBlock, kSecondBlock})
        EXPECT_EQ(TransmissionWording::block(block).toStdString(), bankblocks::name(block));
    TransmissionAccount whole;
    whole.complete = {0, 1};
    for (const TransmissionAccount& account : {stopped(), whole})
        EXPECT_EQ(TransmissionWording::account(account).toStdString(), account.describe());

    // The refusals: a record, copy or lock that cannot be written, and another sender.
    using Subject = RecordFailure::Subject;
    const FileFailure notRegular{FileFailure::Kind::NotRegular};
    const RecordFailure full{Subject::Record, "/home/u/.local/state/zylox/device-0123.txt",
                             FileFailure::fromErrno(ENOSPC)};
    const RecordFailure fifo{Subject::Record, "/home/u/.local/state/zylox/device-0123.txt", notRegular};
    const RecordFailure copy{Subject::Copy, "/home/u/.local/state/zylox/device-0123.contents", notRegular};
    const RecordFailure lock{Subject::Lock, "/run/lock/zylox-device-0123.lock", FileFailure::fromErrno(EACCES)};
    for (const RecordFailure& failure : {RecordFailure{}, full, fifo, copy, lock})
        EXPECT_EQ(TransmissionWording::recordFailure(failure).toStdString(), failure.describe());
    using Refusal = SenderLock::Refusal;
    using Kind = Refusal::Kind;
    for (const Refusal& refusal : {Refusal{}, Refusal{Kind::Busy, "UM-ONE:UM-ONE MIDI 1", "zylox", "4242"},
                                   Refusal{Kind::Busy, "UM-ONE:UM-ONE MIDI 1"}, Refusal{Kind::Busy},
                                   Refusal{.kind = Kind::Unwritable, .unwritable = lock}})
        EXPECT_EQ(TransmissionWording::lockRefusal(refusal).toStdString(), refusal.describe());

    TransmissionAccount unrecorded = stopped();
    unrecorded.unrecorded = fifo;
    TransmissionAccount refused = stopped();
    for (const auto why : {audio::ImportResult::Refusal::ForeignMessage, audio::ImportResult::Refusal::MessageLength}) {
        refused.refused = SlotRefusal{1, "PRESETS", audio::ImportResult::refused(why, 5)};
        for (const TransmissionAccount& account : {stopped(), unrecorded, refused})
            EXPECT_EQ(TransmissionWording::notSentBecause(account).toStdString(), account.notSentBecause());
    }
    TransmissionAccount unkept;
    unkept.unkept = copy;
    EXPECT_EQ(TransmissionWording::unkept(unkept).toStdString(),
              "\n\nNot kept: " + copy.describe() + "; what was sent counts as unknown there.");
    EXPECT_EQ(TransmissionWording::unkept(stopped()), QString());
}

TEST(TransmissionWordingTest, InFrench)
{
    Translations french;
    ASSERT_TRUE(french.install(QLocale(QStringLiteral("fr_FR")), QStringLiteral(ZYLOX_TRANSLATIONS_FOLDER)));
    EXPECT_EQ(TransmissionWording::duration(105), QStringLiteral("1\u00A0min 45\u00A0s"));
    EXPECT_EQ(
        TransmissionWording::account(stopped()),
        QStringLiteral(
            "Envoy\u00E9es enti\u00E8rement\u00A0: S01 \u00E0 S05, S07.\n"
            "Sur l\u2019appareil\u00A0: S08, second bloc, incomplet (son bloc flash a \u00E9t\u00E9 effac\u00E9 ou "
            "\u00E9crit en partie\u00A0: renvoyez-le).\nNon envoy\u00E9es\u00A0: S09, FW (premier bloc)."));
    EXPECT_EQ(
        TransmissionWording::lockRefusal({SenderLock::Refusal::Kind::Busy, "UM-ONE:UM-ONE MIDI 1", "zylox", "4242"}),
        QStringLiteral("zylox (processus 4242) envoie en ce moment \u00E0 UM-ONE:UM-ONE MIDI 1"));
    EXPECT_EQ(
        TransmissionWording::recordFailure(
            {RecordFailure::Subject::Record, "/s/device-0123.txt", {FileFailure::Kind::NotRegular}}),
        QStringLiteral("le registre de l\u2019appareil /s/device-0123.txt n\u2019a pas pu \u00EAtre \u00E9crit (ce "
                       "n\u2019est pas un fichier ordinaire)"));
}

} // namespace
