// File › Open Recent: the bank files last opened or saved, remembered, and those that went away.
#include "EditorFixture.h"

#include <filesystem>

namespace {

class EditorRecentFilesTest : public EditorFixture {
protected:
    QMenu& recentMenu() { return control<QMenu>("menu_openRecent"); }
    // The entries' texts, the separator and Clear left out.
    Texts recent()
    {
        Texts texts;
        for (const QAction* item : recentMenu().actions())
            if (!item->isSeparator() && item->objectName() != QLatin1String("menu_clearRecent"))
                texts.push_back(item->text().toStdString());
        return texts;
    }
    void chooseRecent(int index)
    {
        int seen = 0;
        for (QAction* item : recentMenu().actions())
            if (!item->isSeparator() && seen++ == index)
                return item->trigger();
        FAIL() << "no recent entry " << index;
    }
    // File › Open Recent › the entry numbered so, by the keys a user presses.
    void chooseRecentByKeys(Qt::Key number)
    {
        menuKey(Qt::Key_F, Qt::Key_R);
        ASSERT_EQ(QApplication::activePopupWidget(), &recentMenu());
        QTest::keyClick(&recentMenu(), number);
        settle();
    }
};

TEST_F(EditorRecentFilesTest, KeepsTheLastEightOpenedOrSavedNewestFirstAcrossRuns)
{
    EXPECT_FALSE(recentMenu().menuAction()->isEnabled());
    for (int number = 1; number <= 9; ++number)
        openFile(bankFile("kit" + std::to_string(number) + ".mid", 4));
    openFile(path("kit8.mid")); // again: moves up, not in twice
    EXPECT_EQ(recent(), (Texts{"&1 kit8.mid", "&2 kit9.mid", "&3 kit7.mid", "&4 kit6.mid", "&5 kit5.mid", "&6 kit4.mid",
                               "&7 kit3.mid", "&8 kit2.mid"}));
    EXPECT_EQ(recentMenu().actions().front()->toolTip().toStdString(), path("kit8.mid"));

    // A save is offered again too.
    paths = {path("saved & kept.mid")};
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(std::filesystem::exists(path("saved & kept.mid")));
    EXPECT_EQ(recent().front(), "&1 saved && kept.mid");

    // The next run of the editor offers the same files; choosing one opens it.
    restart();
    EXPECT_EQ(recent().size(), 8u);
    EXPECT_EQ(recent()[2], "&3 kit9.mid");
    chooseRecent(2);
    EXPECT_EQ(statusLine(), "Opened kit9.mid into S05");
    EXPECT_EQ(recent().front(), "&1 kit9.mid");
    EXPECT_EQ(recent().size(), 8u);
}

TEST_F(EditorRecentFilesTest, AFileThatWentAwayIsSaidSoAndLeavesTheListAndClearEmptiesIt)
{
    openFile(bankFile("gone.mid", 4));
    openFile(bankFile("here.mid", 4));
    std::filesystem::remove(path("gone.mid"));
    const Texts shownBefore = shown;
    chooseRecent(1);
    EXPECT_EQ(statusLine(), "Not opened: " + path("gone.mid") + " is no longer there; it has left Open Recent");
    EXPECT_EQ(recent(), Texts{"&1 here.mid"});
    EXPECT_EQ(shown, shownBefore);
    EXPECT_EQ(tableRow(4), "file bank 4");

    control<QAction>("menu_clearRecent").trigger();
    settle();
    EXPECT_TRUE(recent().empty());
    EXPECT_FALSE(recentMenu().menuAction()->isEnabled());
    EXPECT_TRUE(settings.value(QStringLiteral("files/recent")).toStringList().isEmpty());
}

// "café kit.mid" in Latin-1: the path a panel returns reaches the file system byte for byte, and is
// kept so in the recent files and as the last file; on the screen the byte that is no UTF-8
// stands as U+FFFD.
TEST_F(EditorRecentFilesTest, AFileNamedInBytesThatAreNotUtf8OpensAgainUnderItsOwnName)
{
    const std::string latin1 = folder.path().toStdString() + "/caf\xE9 kit.mid";
    settings.setReopensLastFile(true);
    selectRow(9);
    type("textfield_bankName", "Latin kit");
    paths = {latin1};
    click("button_save");
    ASSERT_TRUE(std::filesystem::exists(latin1)) << statusLine();
    EXPECT_EQ(recent(), Texts{"&1 caf\uFFFD kit.mid"});
    EXPECT_EQ(recentMenu().actions().front()->toolTip().toStdString(),
              folder.path().toStdString()
                  + "/caf\uFFFD kit.mid\nThe name is not UTF-8: \uFFFD stands for what cannot be shown");

    // The next run opens it again at start, as the preferences ask.
    restart();
    editor->start(QString());
    settle();
    EXPECT_EQ(statusLine(), "Opened caf\uFFFD kit.mid into S10");
    EXPECT_EQ(tableRow(9), "Latin kit");
    EXPECT_EQ(title(), "caf\uFFFD kit.mid[*]");

    // Reset, the bank comes back from File › Open Recent by its keys, and from the open panel.
    click("button_reset");
    ASSERT_EQ(tableRow(9), editor->defaultBank(9).getName());
    chooseRecentByKeys(Qt::Key_1);
    EXPECT_EQ(statusLine(), "Opened caf\uFFFD kit.mid into S10");
    EXPECT_EQ(tableRow(9), "Latin kit");
    EXPECT_EQ(recent(), Texts{"&1 caf\uFFFD kit.mid"});
    click("button_reset");
    openFile(latin1);
    EXPECT_EQ(tableRow(9), "Latin kit");
}

} // namespace
