// The library's list as analysis fills it in: a row not yet analysed says so, and the same rows
// again with their figures change in place, so the row the user chose stays chosen; other rows
// replace the list.
#include "app/library/LibraryResultModel.h"

#include <QItemSelectionModel>

#include <gtest/gtest.h>

namespace {

using soundlibrary::LibraryEntry;

LibraryEntry pending(const std::string& name)
{
    LibraryEntry entry;
    entry.path = "/Drums/" + name;
    entry.folder = "Drums";
    entry.name = name;
    entry.format = "wav";
    return entry;
}

LibraryEntry analysed(const std::string& name, double seconds, double leadIn)
{
    LibraryEntry entry = pending(name);
    entry.kind = LibraryEntry::Kind::Sound;
    entry.seconds = seconds;
    entry.leadIn = leadIn;
    entry.loudness = -12.25;
    return entry;
}

std::string cell(const LibraryResultModel& model, int row, int column)
{
    return model.data(model.index(row, column), Qt::DisplayRole).toString().toStdString();
}

TEST(LibraryResultModelTest, FiguresFilledInByAnalysisChangeInPlaceAndTheChosenRowStaysChosen)
{
    LibraryResultModel model;
    QItemSelectionModel chosen(&model);
    model.take({pending("kick.wav"), pending("snare.wav")}, true, false);
    model.take({pending("hat.wav")}, false, true);
    ASSERT_EQ(model.rowCount(), 3);
    for (const int column : {LibraryResultModel::Length, LibraryResultModel::Loudness, LibraryResultModel::LeadIn})
        EXPECT_EQ(cell(model, 1, column), "\u2026");
    chosen.setCurrentIndex(model.index(1, LibraryResultModel::Name),
                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    EXPECT_TRUE(model.refresh({pending("kick.wav"), analysed("snare.wav", 0.5, 0.012), pending("hat.wav")}));
    EXPECT_EQ(chosen.currentIndex().row(), 1);
    EXPECT_TRUE(chosen.isRowSelected(1));
    EXPECT_EQ(cell(model, 1, LibraryResultModel::Length), "0.50 s");
    EXPECT_EQ(cell(model, 1, LibraryResultModel::Loudness), "-12.3 LUFS");
    EXPECT_EQ(cell(model, 1, LibraryResultModel::LeadIn), "12 ms");
    EXPECT_EQ(model.data(model.index(1, LibraryResultModel::Length), Qt::ToolTipRole).toString().toStdString(),
              "0.49 s after its lead-in");

    // A file that left the search (a filter on a figure now known): the list is the new rows.
    EXPECT_FALSE(model.refresh({analysed("snare.wav", 0.5, 0.012)}));
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.rowOf("/Drums/snare.wav"), 0);
}

TEST(LibraryResultModelTest, SilenceAndTheFiguresOfWhatIsNoSoundAreShownForWhatTheyAre)
{
    LibraryResultModel model;
    LibraryEntry silence = analysed("room.wav", 1.0, 1.0);
    silence.loudness = -std::numeric_limits<double>::infinity();
    LibraryEntry broken = pending("broken.wav");
    broken.kind = LibraryEntry::Kind::NotASound;
    LibraryEntry withoutMeter = analysed("tom.wav", 0.3, 0.0);
    withoutMeter.loudness.reset();
    model.take({silence, broken, withoutMeter}, true, true);
    EXPECT_EQ(cell(model, 0, LibraryResultModel::Loudness), "silent");
    EXPECT_EQ(cell(model, 1, LibraryResultModel::Length), "not a sound");
    EXPECT_EQ(cell(model, 1, LibraryResultModel::Loudness), "\u2013");
    EXPECT_EQ(cell(model, 1, LibraryResultModel::LeadIn), "\u2013");
    EXPECT_EQ(cell(model, 2, LibraryResultModel::Loudness), "\u2013");
    EXPECT_EQ(model.folders(), QStringList{QStringLiteral("/Drums")});
}

} // namespace
