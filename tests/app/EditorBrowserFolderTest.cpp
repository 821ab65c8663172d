// The browser's list as it keeps up with its folder: thousands of files taken in a chunk at a time
// while the window goes on answering, files that come and go shown within a second, every file named
// like a sound listed and counted for what it is, typing that finds and filters, and Space that
// plays a file as the device will sound it when the user chose so.
#include "BrowserFixture.h"

#include "audio/SoundSummary.h"

#include <QCheckBox>
#include <QHeaderView>

#include <algorithm>

namespace {

class EditorBrowserFolderTest : public BrowserFixture {
protected:
    bool listed(const std::string& name)
    {
        const Texts shown = rows();
        return std::any_of(shown.begin(), shown.end(),
                           [&](const std::string& row) { return row.find("|" + name + "|") != std::string::npos; });
    }
};

TEST_F(EditorBrowserFolderTest, AThousandFilesComeInChunksAndFilesAddedOrRemovedShowWithoutAnyAction)
{
    std::filesystem::create_directory(sounds.path("many"));
    for (int copy = 0; copy < 1200; ++copy)
        std::filesystem::copy_file(sounds.path("kick 2.wav"),
                                   sounds.path("many/take " + std::to_string(copy) + ".wav"));
    std::vector<int> inserted;
    QObject::connect(files().model(), &QAbstractItemModel::rowsInserted, files().model(),
                     [&](const QModelIndex&, int first, int last) { inserted.push_back(last - first + 1); });
    goTo(sounds.file("many"));
    EXPECT_GT(inserted.size(), 1u);
    EXPECT_LT(*std::max_element(inserted.begin(), inserted.end()), 1200) << "never all at once";
    EXPECT_EQ(textOf("text_browserListing"), "1200 sounds");

    // Written by another program, removed by another: the list follows, in its order.
    std::filesystem::copy_file(sounds.path("snare.aiff"), sounds.path("many/take 7b.aiff"));
    waitUntil([&] { return listed("take 7b.aiff") && rows()[8].find("1.00 s") != std::string::npos; });
    EXPECT_EQ(rows()[8], "\u25B6|take 7b.aiff|1.00 s|22.05 kHz|mono");
    std::filesystem::remove(sounds.path("many/take 3.wav"));
    waitUntil([&] { return !listed("take 3.wav"); });
    waitForListing();
    EXPECT_EQ(textOf("text_browserListing"), "1200 sounds");
}

TEST_F(EditorBrowserFolderTest, AFileStillBeingWrittenIsReadAgainOnceItIsWhole)
{
    std::filesystem::create_directory(sounds.path("late"));
    goTo(sounds.file("late"));
    // Made empty, as a copy begins, then filled in place: the folder's entries change only at first.
    sounds.write("late/take.wav", {});
    waitUntil([&] { return rows() == Texts{"\u25B6|take.wav|not a sound||"}; });
    std::ifstream kick(sounds.path("kick 2.wav"), std::ios::binary);
    std::ofstream(sounds.path("late/take.wav"), std::ios::binary | std::ios::trunc) << kick.rdbuf();
    waitUntil([&] { return rows() == Texts{"\u25B6|take.wav|0.50 s|44.1 kHz|mono"}; });
}

TEST_F(EditorBrowserFolderTest, UnreadableFilesAndNamesNotInUtf8AreListedCountedPlayedAndImported)
{
    std::filesystem::create_directory(sounds.path("odd"));
    std::filesystem::copy_file(sounds.path("kick 2.wav"), sounds.path("odd/kick.wav"));
    std::filesystem::copy_file(sounds.path("hat.flac"), sounds.path("odd/hat \xE9t\xE9.flac"));
    std::filesystem::copy_file(sounds.path("broken.wav"), sounds.path("odd/broken.wav"));
    // Never readable, even to root, whom a file's permissions do not stop.
    for (const char* locked : {"odd/locked 1.wav", "odd/locked 2.wav"})
        std::filesystem::create_symlink("/proc/self/mem", sounds.path(locked));
    goTo(sounds.file("odd"));
    EXPECT_EQ(rows(), (Texts{"\u25B6|broken.wav|not a sound||", "\u25B6|hat \uFFFDt\uFFFD.flac|0.10 s|96 kHz|stereo",
                             "\u25B6|kick.wav|0.50 s|44.1 kHz|mono", "\u25B6|locked 1.wav|unreadable||",
                             "\u25B6|locked 2.wav|unreadable||"}));
    EXPECT_EQ(textOf("text_browserListing"),
              "2 sounds, 1 file not a sound, 2 files could not be read, 1 name not UTF-8");
    EXPECT_EQ(files().model()->index(1, 1).data(Qt::ToolTipRole).toString().toStdString(),
              sounds.file("odd/hat \uFFFDt\uFFFD.flac")
                  + "\nThe name is not UTF-8: \uFFFD stands for what cannot be shown");
    // Its own bytes reach it, to play it and to import it.
    choose(1);
    pressInList(Qt::Key_Space);
    ASSERT_EQ(sound.runs.size(), 1u);
    EXPECT_EQ(sound.runs[0].rate, 96000u);
    const Bytes before = slot(4, 2);
    selectSlot(2);
    choose(1);
    pressInList(Qt::Key_Return);
    clickInPanel(QStringLiteral("button_apply"));
    EXPECT_NE(slot(4, 2), before);
    // Dragged onto a slot row too.
    const Bytes row5 = slot(4, 5);
    ASSERT_TRUE(dragChosenOnto("textfield_contentNames_5"));
    clickInPanel(QStringLiteral("button_apply"));
    EXPECT_NE(slot(4, 5), row5);
}

TEST_F(EditorBrowserFolderTest, TypingInTheListFindsByNameAndCtrlFFiltersTheNamesTheListShows)
{
    goTo(sounds.ScratchFolder::path().string());
    // A click on a file's length leaves the list's current cell there; typing still finds by name.
    QTest::mouseClick(files().viewport(), Qt::LeftButton, {}, cellCentre(0, 2));
    QTest::keyClicks(&files(), "sn");
    EXPECT_EQ(files().currentIndex().row(), 4);

    press(Qt::Key_F, Qt::ControlModifier);
    auto& filter = control<QLineEdit>("textfield_browserFilter");
    EXPECT_TRUE(filter.hasFocus());
    QTest::keyClicks(&filter, "KICK");
    EXPECT_EQ(rows(), (Texts{"\u25B6|kick 2.wav|0.50 s|44.1 kHz|mono", "\u25B6|kick 10.wav|0.25 s|48 kHz|stereo"}));
    // Down goes to the list's first file, chosen: Enter takes that one into the selected slot.
    QTest::keyClick(&filter, Qt::Key_Down);
    EXPECT_TRUE(files().hasFocus());
    pressInList(Qt::Key_Return);
    ASSERT_NE(soundPanel(), nullptr);
    EXPECT_EQ(soundPanel()->windowTitle().toStdString(),
              "Shape \u201Ckick 2.wav\u201D for " + editor->workBank(4).getContentLabel(0));
    QTest::keyClick(soundPanel(), Qt::Key_Escape);
    // Space plays the file below, not the folder's second.
    pressInList(Qt::Key_Down);
    pressInList(Qt::Key_Space);
    EXPECT_EQ(statusLine(), "Playing \u201Ckick 10.wav\u201D");

    // Hidden, the browser comes back for Ctrl+F.
    toggleBrowser();
    ASSERT_FALSE(browserShown());
    press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(browserShown());
    EXPECT_TRUE(filter.hasFocus());
    EXPECT_EQ(filter.selectedText(), "KICK");
    QTest::keyClick(&filter, Qt::Key_Backspace);
    EXPECT_EQ(rows().size(), 5u);
}

TEST_F(EditorBrowserFolderTest, LongNamesKeepTheirEndsAndThePathIsTheirTooltip)
{
    const std::string name = "clap 1 with the long room tail, take 12.wav";
    std::filesystem::copy_file(sounds.path("kick 2.wav"), sounds.path(name));
    goTo(sounds.ScratchFolder::path().string());
    EXPECT_EQ(files().textElideMode(), Qt::ElideMiddle);
    const QModelIndex clap = files().model()->index(1, 1);
    ASSERT_EQ(clap.data().toString().toStdString(), name);
    EXPECT_LT(files().visualRect(clap).width(), files().fontMetrics().horizontalAdvance(clap.data().toString()))
        << "the name is longer than its column at the panel's first width";
    EXPECT_EQ(clap.data(Qt::ToolTipRole).toString().toStdString(), sounds.file(name));
    // The other columns never cut what they show.
    for (int column = 2; column < 5; ++column)
        for (int row = 0; row < files().model()->rowCount(); ++row)
            EXPECT_LE(files().fontMetrics().horizontalAdvance(files().model()->index(row, column).data().toString()),
                      files().columnWidth(column));
}

TEST_F(EditorBrowserFolderTest, SpacePlaysAsTheDeviceWillSoundItWhenChosenAndTheChoiceIsKept)
{
    // What an import of the file into a slot with the default shape puts there, for comparison.
    selectRow(5);
    ASSERT_TRUE(drop("textfield_contentNames_4", {sounds.path("hat.flac")}));
    const Bytes imported = slot(5, 4);
    goTo(sounds.ScratchFolder::path().string());
    click("checkbox_browserAsDevice");
    choose(1);
    pressInList(Qt::Key_Space);
    EXPECT_TRUE(sound.runs.empty());
    ASSERT_EQ(sound.played.size(), 1u);
    const Bytes& played = sound.played[0];
    // 0.1 s at 33 kHz, as the slot holds it before its silence.
    ASSERT_EQ(played.size(), 3300u);
    ASSERT_GE(imported.size(), played.size());
    EXPECT_TRUE(std::equal(played.begin(), played.end(), imported.begin()));
    EXPECT_EQ(statusLine(), "Playing \u201Chat.flac\u201D as the device will sound it");

    restart();
    waitForListing();
    EXPECT_TRUE(control<QCheckBox>("checkbox_browserAsDevice").isChecked());
    click("checkbox_browserAsDevice");
    choose(1);
    pressInList(Qt::Key_Space);
    EXPECT_EQ(sound.runs.size(), 1u);
}

} // namespace
