// The window at start-up, the bank table, the content view, renaming, reset and the state rules.
#include "EditorFixture.h"

#include <QAction>
#include <QComboBox>
#include <QProgressBar>
#include <QTableView>
#include <QTest>

namespace {

using State = CEditor::State;

const char* const kSoundLabels[] = {"OPEN HI HAT", "CLOSED HI HAT", "CLAP", "RIM SHOT", "CRASH", "RIDE"};

std::string cell(const char* matrix, int row)
{
    return std::string(matrix) + "_" + std::to_string(row);
}

class EditorViewsTest : public EditorFixture {};

TEST_F(EditorViewsTest, StartsIdleWithTheFactoryBanksAndS05Selected)
{
    start();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("ZYLOX 515 Editor"));
    EXPECT_EQ(editor->size(), QSize(1280, 800));
    EXPECT_EQ(editor->state(), State::Idle);
    EXPECT_EQ(editor->midi(), nullptr);

    auto& table = control<QTableView>("tableview_banks");
    ASSERT_EQ(table.model()->rowCount(), 32);
    EXPECT_EQ(tableRow(0), QStringLiteral("S01 - factory -"));
    EXPECT_EQ(tableRow(4), QStringLiteral("S05"));
    EXPECT_EQ(tableRow(31), QStringLiteral("FIRMWARE - factory -"));
    for (int row = 0; row < 32; ++row) {
        EXPECT_NE(&editor->workBank(row), &editor->defaultBank(row)) << row;
        EXPECT_EQ(editor->workBank(row).getName(), editor->defaultBank(row).getName()) << row;
        EXPECT_EQ(imageOf(editor->workBank(row)), imageOf(editor->defaultBank(row))) << row;
    }

    EXPECT_EQ(selectedRow(), 4);
    EXPECT_EQ(textOf("textfield_bankName"), QStringLiteral("S05"));
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(textOf(cell("textfield_contentLabels", slot).c_str()), QString::fromLatin1(kSoundLabels[slot]));
        EXPECT_EQ(textOf(cell("textfield_contentNames", slot).c_str()), QString::fromLatin1(kSoundLabels[slot]));
        EXPECT_TRUE(enabled(cell("button_openContents", slot).c_str()));
        EXPECT_FALSE(enabled(cell("button_playContents", slot).c_str()));
    }
    EXPECT_EQ(textOf("text_status"), QString());
    EXPECT_FALSE(control<QProgressBar>("progress_out").isVisible());
    EXPECT_EQ(textOf("text_version"), QStringLiteral("Version " ZYLOX_VERSION));

    const auto& channels = control<QComboBox>("popup_channel");
    ASSERT_EQ(channels.count(), 16);
    EXPECT_EQ(channels.currentIndex(), 0);
    EXPECT_EQ(channels.itemText(15), QStringLiteral("16"));
}

TEST_F(EditorViewsTest, WithoutOutputsTheSendButtonAndItemStayDisabled)
{
    start();
    const auto& outputs = control<QComboBox>("popup_out");
    ASSERT_EQ(outputs.count(), 1);
    EXPECT_EQ(outputs.itemText(0), QStringLiteral("no output ports detected"));
    EXPECT_FALSE(enabled("button_send"));
    EXPECT_FALSE(control<QAction>("menu_send").isEnabled());
}

TEST_F(EditorViewsTest, ListsEachOutputAsModelColonNameInServiceOrder)
{
    service.addDestination({"Maker", "ZYLOX 515", "MIDI 1"});
    service.addDestination({"", "", "Through"});
    start();
    const auto& outputs = control<QComboBox>("popup_out");
    ASSERT_EQ(outputs.count(), 2);
    EXPECT_EQ(outputs.itemText(0), QStringLiteral("ZYLOX 515:MIDI 1"));
    EXPECT_EQ(outputs.itemText(1), QStringLiteral(":Through"));
    EXPECT_EQ(outputs.currentIndex(), 0);
    EXPECT_TRUE(enabled("button_send"));
    EXPECT_TRUE(control<QAction>("menu_send").isEnabled());
}

TEST_F(EditorViewsTest, FirmwareRowShowsTwoSlotsAndASoundBankRefillsAllSix)
{
    start();
    selectRow(31);
    EXPECT_EQ(textOf("textfield_bankName"), QStringLiteral("FIRMWARE - factory -"));
    EXPECT_EQ(textOf("textfield_contentLabels_0"), QStringLiteral("PRESETS"));
    EXPECT_EQ(textOf("textfield_contentLabels_1"), QStringLiteral("OS"));
    EXPECT_TRUE(enabled("button_openContents_1"));
    for (int slot = 2; slot < 6; ++slot) {
        EXPECT_EQ(textOf(cell("textfield_contentLabels", slot).c_str()), QString()) << slot;
        EXPECT_EQ(textOf(cell("textfield_contentNames", slot).c_str()), QString()) << slot;
        EXPECT_FALSE(enabled(cell("textfield_contentNames", slot).c_str())) << slot;
        EXPECT_FALSE(enabled(cell("button_openContents", slot).c_str())) << slot;
    }

    selectRow(2);
    EXPECT_EQ(textOf("textfield_bankName"), QStringLiteral("S03 - factory -"));
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(textOf(cell("textfield_contentLabels", slot).c_str()), QString::fromLatin1(kSoundLabels[slot]));
        EXPECT_TRUE(enabled(cell("textfield_contentNames", slot).c_str())) << slot;
        EXPECT_TRUE(enabled(cell("button_openContents", slot).c_str())) << slot;
        EXPECT_FALSE(enabled(cell("button_playContents", slot).c_str())) << slot;
    }
}

TEST_F(EditorViewsTest, TheTableKeepsOneRowSelected)
{
    start();
    auto& table = control<QTableView>("tableview_banks");
    const QModelIndex s05 = table.model()->index(4, 0);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::ControlModifier, table.visualRect(s05).center());
    EXPECT_EQ(selectedRow(), 4);
    EXPECT_EQ(textOf("textfield_bankName"), QStringLiteral("S05"));
}

TEST_F(EditorViewsTest, RenamingKeepsWhatWasTyped)
{
    start();
    selectRow(5);
    type("textfield_bankName", QString());
    EXPECT_EQ(tableRow(5), QString());
    EXPECT_EQ(editor->workBank(5).getName(), "");

    const QString longName(200, QLatin1Char('x'));
    type("textfield_bankName", longName);
    EXPECT_EQ(tableRow(5), longName);

    type("textfield_contentNames_3", QStringLiteral("Rim – zwölf"));
    EXPECT_EQ(editor->workBank(5).getContentName(3), "Rim – zwölf");
    EXPECT_EQ(editor->defaultBank(5).getContentName(3), "RIM SHOT");

    // The name cells past a firmware bank's two slots are closed, and a slot it lacks takes no name.
    selectRow(31);
    EXPECT_FALSE(enabled("textfield_contentNames_3"));
    editor->ContentNameHasChanged(3);
    EXPECT_EQ(editor->workBank(31).getContentNames().size(), 2u);
}

TEST_F(EditorViewsTest, ResetRestoresTheFactoryBankAsANewCopy)
{
    make("printf 'raw bytes' > " + path("raw.txt"));
    start();
    selectRow(6);
    type("textfield_bankName", QStringLiteral("Mine"));
    type("textfield_contentNames_1", QStringLiteral("hat"));
    dialogs.chooseNextFile(path("raw.txt"));
    click("button_openContents_0");
    ASSERT_EQ(editor->workBank(6).getContentName(0), "raw.txt");
    const IBank* edited = &editor->workBank(6);

    click("button_reset");
    const IBank& reset = editor->workBank(6);
    EXPECT_NE(&reset, edited);
    EXPECT_NE(&reset, &editor->defaultBank(6));
    EXPECT_EQ(reset.getName(), "S07");
    EXPECT_EQ(reset.getContentName(0), "OPEN HI HAT");
    EXPECT_EQ(reset.getContentName(1), "CLOSED HI HAT");
    EXPECT_EQ(imageOf(reset), imageOf(editor->defaultBank(6)));
    EXPECT_EQ(tableRow(6), QStringLiteral("S07"));
    EXPECT_EQ(textOf("textfield_contentNames_0"), QStringLiteral("OPEN HI HAT"));
    EXPECT_TRUE(dialogs.alerts().empty());
}

TEST_F(EditorViewsTest, StateSwitchesFollowTheirRules)
{
    service.addDestination({"", "ZYLOX 515", "in"});
    start();
    const auto& progress = control<QProgressBar>("progress_out");
    const auto& quit = control<QAction>("menu_quit");

    EXPECT_TRUE(editor->switchToSendState(true));
    EXPECT_FALSE(editor->switchToSendState(true));
    EXPECT_FALSE(editor->switchToReceiveState(true));
    EXPECT_FALSE(editor->switchToReceiveState(false));
    EXPECT_EQ(editor->state(), State::Send);
    EXPECT_FALSE(enabled("button_send"));
    EXPECT_FALSE(control<QAction>("menu_send").isEnabled());
    EXPECT_FALSE(quit.isEnabled());
    EXPECT_TRUE(progress.isVisible());
    EXPECT_FALSE(editor->applicationShouldTerminate());

    EXPECT_TRUE(editor->switchToIdleState(true));
    EXPECT_EQ(editor->state(), State::Idle);
    EXPECT_TRUE(enabled("button_send"));
    EXPECT_TRUE(quit.isEnabled());
    EXPECT_FALSE(progress.isVisible());
    EXPECT_TRUE(editor->applicationShouldTerminate());

    EXPECT_TRUE(editor->switchToReceiveState(true));
    EXPECT_TRUE(enabled("button_send"));
    EXPECT_FALSE(quit.isEnabled());
    EXPECT_FALSE(editor->switchToSendState(true));
    EXPECT_TRUE(editor->switchToIdleState(false));
    EXPECT_TRUE(editor->switchToIdleState(true));
    EXPECT_EQ(editor->state(), State::Idle);
}

TEST_F(EditorViewsTest, TaggedMenuItemsFollowTheirButtons)
{
    start();
    auto& open = control<QAction>("menu_open");
    auto& save = control<QAction>("menu_save");
    EXPECT_TRUE(open.isEnabled());
    control<QWidget>("button_save").setEnabled(false);
    EXPECT_FALSE(save.isEnabled());
    EXPECT_FALSE(editor->validateMenuItem(save));
    EXPECT_TRUE(editor->validateMenuItem(open));
    control<QWidget>("button_load").setEnabled(false);
    EXPECT_FALSE(open.isEnabled());

    QAction untagged;
    EXPECT_TRUE(editor->validateMenuItem(untagged));
    EXPECT_TRUE(editor->validateMenuItem(control<QAction>("menu_about")));
}

} // namespace
