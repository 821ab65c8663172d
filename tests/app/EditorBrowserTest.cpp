// The sound browser as a musician uses it: a folder of sounds that sox wrote is listed with what
// each holds, files are heard with Space or their play control, taken into slots with Enter or by
// dragging them, and the favourites and the panel's place in the View menu outlast the window.
#include "BrowserFixture.h"

#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>

namespace {

using EditorBrowserTest = BrowserFixture;

const Texts kListed{
    "\u25B6|broken.wav|not a sound||",         "\u25B6|hat.flac|0.10 s|96 kHz|stereo",
    "\u25B6|kick 2.wav|0.50 s|44.1 kHz|mono",  "\u25B6|kick 10.wav|0.25 s|48 kHz|stereo",
    "\u25B6|snare.aiff|1.00 s|22.05 kHz|mono",
};

TEST_F(EditorBrowserTest, ListsAFoldersSoundsWithLengthRateAndChannelsAndItsTreeGoesToOthers)
{
    // A first start on a screen with room for it beside the banks shows it.
    ASSERT_TRUE(browserShown());
    goTo(sounds.ScratchFolder::path().string());
    // In the order people sort names; the text file and the FIFO named like a sound are left out.
    EXPECT_EQ(rows(), kListed);
    EXPECT_EQ(textOf("text_browserListing"), "4 sounds, 1 file not a sound");
    auto& tree = control<QTreeView>("tree_folders");
    const auto& folders = static_cast<const QFileSystemModel&>(*tree.model());
    EXPECT_EQ(folders.filePath(tree.currentIndex()).toStdString(), sounds.ScratchFolder::path().string());

    // The tree shows the folder's folders once it has read them; a click lists one.
    tree.expand(tree.currentIndex());
    waitUntil([&] { return folders.rowCount(tree.currentIndex()) > 0; });
    const QModelIndex loops = folders.index(0, 0, tree.currentIndex());
    ASSERT_EQ(folders.fileName(loops), "loops");
    tree.scrollTo(loops);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(loops).center());
    waitForListing();
    EXPECT_EQ(rows(), Texts{"\u25B6|break.wav|2.00 s|44.1 kHz|stereo"});
    EXPECT_EQ(textOf("textfield_browserFolder"), sounds.file("loops"));

    // A folder that is not there leaves the listing as it was and says so.
    goTo(sounds.file("gone"));
    EXPECT_EQ(rows(), Texts{"\u25B6|break.wav|2.00 s|44.1 kHz|stereo"});
    EXPECT_EQ(statusLine(), "No folder \u201C" + sounds.file("gone") + "\u201D: the browser stays in \u201C"
                                + sounds.file("loops") + "\u201D");
    EXPECT_EQ(textOf("textfield_browserFolder"), sounds.file("loops"));
}

TEST_F(EditorBrowserTest, SpaceOrThePlayControlPlaysTheFileAsItIsAndSpaceAgainOrAnotherPlayStopsIt)
{
    goTo(sounds.ScratchFolder::path().string());
    choose(2);
    pressInList(Qt::Key_Space);
    ASSERT_EQ(sound.runs.size(), 1u);
    EXPECT_TRUE(sound.played.empty()) << "Space in the list is the browser's, not the selected slot's";
    EXPECT_EQ(sound.runs[0].rate, 44100u);
    EXPECT_EQ(sound.runs[0].channels, 1u);
    EXPECT_EQ(sound.runs[0].frames(), 22050u);
    EXPECT_EQ(rows()[2].substr(0, 3), "\u25A0");
    pressInList(Qt::Key_Space);
    EXPECT_FALSE(sound.playing());
    EXPECT_EQ(rows()[2], kListed[2]);

    // The play control of another row plays that one; a slot's Play stops it in turn.
    QTest::mouseClick(files().viewport(), Qt::LeftButton, {}, cellCentre(3, 0));
    ASSERT_EQ(sound.runs.size(), 2u);
    EXPECT_EQ(sound.runs[1].rate, 48000u);
    EXPECT_EQ(rows()[3].substr(0, 3), "\u25A0");
    click("button_playContents_0");
    settle();
    EXPECT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(rows()[3], kListed[3]);
    // Heard to its end, the file's control is Play again.
    pressInList(Qt::Key_Space);
    sound.finish();
    settle();
    EXPECT_EQ(rows()[3], kListed[3]);

    // What is no sound says why, and nothing plays.
    choose(0);
    pressInList(Qt::Key_Space);
    EXPECT_EQ(sound.runs.size(), 3u);
    EXPECT_EQ(statusLine(), "Could not play \u201C"
                            "broken.wav\u201D: it is not a sound this editor decodes "
                            "(WAV, AIFF, AIFF-C, FLAC, Ogg Vorbis, Opus, MP3, AU, CAF and W64)");
    EXPECT_EQ(rows(), kListed);
    // Gone since it was listed: it leaves the list at once, whether or not the folder was read again.
    std::filesystem::remove(sounds.path("snare.aiff"));
    choose(4);
    pressInList(Qt::Key_Space);
    EXPECT_EQ(statusLine(), "\u201Csnare.aiff\u201D is no longer in the folder");
    EXPECT_EQ(rows(), Texts(kListed.begin(), kListed.begin() + 4));
    EXPECT_EQ(sound.runs.size(), 3u);
    // A later play that works says so in its place.
    choose(2);
    pressInList(Qt::Key_Space);
    EXPECT_EQ(statusLine(), "Playing \u201Ckick 2.wav\u201D");
}

TEST_F(EditorBrowserTest, EnterImportsOneFileIntoTheSelectedSlotThroughTheSoundPanel)
{
    goTo(sounds.ScratchFolder::path().string());
    const Bytes before = slot(4, 2);
    selectSlot(2);
    choose(4);
    pressInList(Qt::Key_Return);
    ASSERT_NE(soundPanel(), nullptr);
    EXPECT_EQ(soundPanel()->windowTitle().toStdString(),
              "Shape \u201Csnare.aiff\u201D for " + editor->workBank(4).getContentLabel(2));
    EXPECT_EQ(slot(4, 2), before) << "nothing goes in before Apply";
    clickInPanel(QStringLiteral("button_apply"));
    EXPECT_NE(slot(4, 2), before);
    EXPECT_EQ(nameInS05(2), "snare.aiff");

    // Dragged onto another row, one file goes to that row, through the panel as well.
    choose(2);
    ASSERT_TRUE(dragChosenOnto("textfield_contentNames_5"));
    clickInPanel(QStringLiteral("button_apply"));
    EXPECT_EQ(nameInS05(5), "kick 2.wav");
}

TEST_F(EditorBrowserTest, SeveralFilesFillTheSlotsFromThereOnWithTheDefaultShapeAsADropOfThemDoes)
{
    goTo(sounds.ScratchFolder::path().string());
    // What an outside drop of the same file puts into S06's slot of that row, for comparison.
    selectRow(5);
    ASSERT_TRUE(drop("textfield_contentNames_4", {sounds.path("kick 2.wav")}));
    const Bytes kick = slot(5, 4);
    selectRow(4);
    selectSlot(3);
    choose(1);
    choose(2, Qt::ControlModifier);
    choose(3, Qt::ControlModifier);
    choose(4, Qt::ControlModifier);
    pressInList(Qt::Key_Return);
    EXPECT_EQ(soundPanel(), nullptr);
    EXPECT_EQ(nameInS05(3), "hat.flac");
    EXPECT_EQ(nameInS05(4), "kick 2.wav");
    EXPECT_EQ(nameInS05(5), "kick 10.wav");
    EXPECT_EQ(slot(4, 4), kick);
    EXPECT_THAT(statusLine(), HasSubstr("(1 more file left out: the bank has no more slots)"));

    // Dragged onto the first row, they fill the rows from there on.
    choose(4);
    choose(2, Qt::ControlModifier);
    ASSERT_TRUE(dragChosenOnto("textfield_contentNames_1"));
    EXPECT_EQ(soundPanel(), nullptr);
    EXPECT_EQ(nameInS05(1), "kick 2.wav");
    EXPECT_EQ(nameInS05(2), "snare.aiff");
}

// The files chosen in the list fill the bank as their names say, through the kit's dialog, which
// names the files it leaves out; the File menu's item waits for a choice.
TEST_F(EditorBrowserTest, FilesChosenFillTheBankAsTheirNamesSayAndTheOnesLeftOutAreNamed)
{
    goTo(sounds.ScratchFolder::path().string());
    selectRow(4);
    const QAction& item = control<QAction>("menu_fillBankFromSelection");
    menuKey(Qt::Key_F, Qt::Key_Escape);
    EXPECT_FALSE(item.isEnabled());
    EXPECT_EQ(item.toolTip(), "Select sound files in the sound browser first");

    choose(0);
    choose(1, Qt::ControlModifier);
    choose(2, Qt::ControlModifier);
    menuKey(Qt::Key_F, Qt::Key_L);
    QDialog* dialog = nullptr;
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return (dialog = shownDialog(QStringLiteral("dialog_kit"))) != nullptr; }, 120000))
        << statusLine();
    EXPECT_EQ(dialog->windowTitle(), "Fill Bank from Selected Sounds");
    const std::string noWord = ": not used: its name says no slot's word (as ohh, chh, clap, rim, crash or ride)";
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("text_kitLeftOut"))->text().toStdString(),
              "broken.wav" + noWord + "\nkick 2.wav" + noWord);
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttons_kit"))->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    EXPECT_EQ(nameInS05(1), "hat.flac");
    EXPECT_EQ(statusLine().rfind("Filled S05 from 3 selected files: OPEN HI HAT: left as it is", 0), 0u)
        << statusLine();
}

TEST_F(EditorBrowserTest, FavouritesThePanelsChoiceAndTheFolderOutlastTheWindow)
{
    goTo(sounds.ScratchFolder::path().string());
    click("button_addFavourite");
    goTo(sounds.file("loops"));
    click("button_addFavourite");
    click("button_addFavourite");
    auto favourites = [this] {
        Texts names;
        const auto& list = control<QListWidget>("list_favourites");
        for (int row = 0; row < list.count(); ++row)
            names.push_back(list.item(row)->text().toStdString() + " " + list.item(row)->toolTip().toStdString());
        return names;
    };
    const Texts both{sounds.ScratchFolder::path().filename().string() + " " + sounds.ScratchFolder::path().string(),
                     "loops " + sounds.file("loops")};
    EXPECT_EQ(favourites(), both);
    // Made narrower, as by its edge, it comes back at that width.
    editor->resizeDocks({&control<QDockWidget>("dock_browser")}, {270}, Qt::Horizontal);
    settle();
    const int width = control("dock_browser").width();
    ASSERT_LT(width, 300);

    restart();
    settle();
    EXPECT_TRUE(browserShown());
    EXPECT_EQ(control("dock_browser").width(), width);
    waitForListing();
    EXPECT_EQ(textOf("textfield_browserFolder"), sounds.file("loops"));
    EXPECT_EQ(rows(), Texts{"\u25B6|break.wav|2.00 s|44.1 kHz|stereo"});
    EXPECT_EQ(favourites(), both);
    auto& list = control<QListWidget>("list_favourites");
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
    waitForListing();
    EXPECT_EQ(rows(), kListed);
    // Removed with the button, and with Delete in the list.
    click("button_removeFavourite");
    EXPECT_EQ(favourites(), Texts{both[1]});
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(0)).center());
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_TRUE(favourites().empty());
    EXPECT_FALSE(control("button_removeFavourite").isEnabled());

    // Hidden from the View menu, it stays hidden at the next start; the panel's own close button too.
    toggleBrowser();
    EXPECT_FALSE(browserShown());
    EXPECT_FALSE(control<QAction>("menu_browser").isChecked());
    restart();
    EXPECT_FALSE(browserShown());
    EXPECT_TRUE(favourites().empty());
    // Hidden, it reads no folder; shown, it lists the one it was in.
    EXPECT_TRUE(rows().empty());
    toggleBrowser();
    ASSERT_TRUE(browserShown());
    waitForListing();
    EXPECT_EQ(rows(), Texts{"\u25B6|break.wav|2.00 s|44.1 kHz|stereo"});
    control<QDockWidget>("dock_browser").close();
    restart();
    EXPECT_FALSE(browserShown());
}

} // namespace
