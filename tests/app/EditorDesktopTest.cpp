// The window as a desktop program: what it remembers from one run to the next, the keyboard, and
// bank numbers that stay beside the names.
#include "EditorFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSplitter>

#include <map>

namespace {

class EditorDesktopTest : public EditorFixture {
protected:
    std::string folderOf(const std::string& name)
    {
        return QDir::cleanPath(folder.filePath(QString::fromStdString(name))).toStdString();
    }

    // The names of the controls that Tab (or Shift+Tab) reaches from the bank table, until it is back.
    Texts tabRound(Qt::KeyboardModifiers modifiers)
    {
        control("tableview_banks").setFocus();
        Texts reached;
        for (int step = 0; step < 60; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            const QString name = QApplication::focusWidget()->objectName();
            if (name == QLatin1String("tableview_banks"))
                break;
            reached.push_back(name.toStdString());
        }
        return reached;
    }

    // The Preferences dialog's import choice: conversion shown, normalise, trim.
    static std::tuple<int, bool, bool> importChoice(QDialog& dialog)
    {
        return {in<QComboBox>(dialog, "popup_resampling").currentIndex(),
                in<QCheckBox>(dialog, "checkbox_normalize").isChecked(),
                in<QCheckBox>(dialog, "checkbox_trim").isChecked()};
    }

    // Made before the window, which lists them as its outputs.
    LoopbackDestination& first = service.addDestination({"Maker", "Interface", "Port 1"});
    LoopbackDestination& second = service.addDestination({"Maker", "Interface", "Port 2"});
};

TEST_F(EditorDesktopTest, OutputChannelChoiceAndSplitterComeBackAtTheNextStart)
{
    auto& output = control<QComboBox>("popup_out");
    auto& channel = control<QComboBox>("popup_channel");
    ASSERT_EQ(output.count(), 2);
    QTest::keyClick(&output, Qt::Key_Down);
    for (int key = 0; key < 4; ++key)
        QTest::keyClick(&channel, Qt::Key_Down);
    click("radiobutton_options_1");
    auto& splitter = control<QSplitter>("splitter");
    splitter.setSizes({300, splitter.width() - 300});
    const QList<int> sizes = splitter.sizes();

    restart();
    EXPECT_EQ(control<QComboBox>("popup_out").currentText(), "Interface:Port 2");
    EXPECT_EQ(control<QComboBox>("popup_channel").currentText(), "5");
    EXPECT_TRUE(control<QRadioButton>("radiobutton_options_1").isChecked());
    EXPECT_EQ(control<QSplitter>("splitter").sizes(), sizes);

    // The output is remembered by its names: unplugged since, it is still the one chosen, shown
    // as disconnected with Send off until it comes back.
    settings.setOutput(QStringLiteral("Interface:Port 9"));
    click("radiobutton_options_0");
    restart();
    EXPECT_EQ(control<QComboBox>("popup_out").currentText(), "Interface:Port 9 (disconnected)");
    EXPECT_FALSE(control("button_send").isEnabled());
    EXPECT_EQ(control<QComboBox>("popup_channel").currentText(), "5");
    EXPECT_TRUE(control<QRadioButton>("radiobutton_options_0").isChecked());
}

TEST_F(EditorDesktopTest, FilePanelsStartInTheFolderLastUsedForTheirPurposeAndSaveSuggestsTheBanksName)
{
    // Before any folder is known the panels start at home, not wherever the toolkit was last.
    const std::string home = QDir::homePath().toStdString();
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("banks"))
                && QDir(folder.path()).mkpath(QStringLiteral("saved")));
    click("button_save"); // cancelled: nothing to remember
    paths = {bankFile("banks/s05.mid", 4), path("saved/mine.mid")};
    click("button_load");
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    importWithApply(1, make("raw.txt", "printf 'raw bytes' >"));
    click("button_load");
    click("radiobutton_options_1");
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    click("button_openContents_2");
    EXPECT_EQ(panelStarts, (Texts{home + "/S05.mid", home, home + "/S05.mid", home, folderOf("banks"),
                                  folderOf("saved") + "/All banks.mid", folderOf("")}));
    // An open panel says what its file is for, naming the slot a sound goes into.
    EXPECT_EQ(panelTitles, (Texts{"Open Bank File", "Import into S05 slot 2, CLOSED HI HAT", "Open Bank File",
                                  "Import into S05 slot 3, CLAP"}));

    // Folders stick across starts; one removed since is forgotten rather than opened.
    restart();
    ASSERT_TRUE(QDir(folder.filePath(QStringLiteral("banks"))).removeRecursively());
    panelStarts.clear();
    selectRow(31);
    click("button_load");
    click("button_save");
    EXPECT_EQ(panelStarts, (Texts{home, folderOf("saved") + "/All banks.mid"}));

    // A folder a save failed in is not where the next one starts: here a folder stands where the
    // file would go.
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("locked/All banks.mid")));
    panelStarts.clear();
    paths = {path("locked/All banks.mid")};
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(shown.back().substr(0, 21), "critical|Save Failed|");
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(panelStarts, (Texts{folderOf("saved") + "/All banks.mid", folderOf("saved") + "/All banks.mid"}));
}

TEST_F(EditorDesktopTest, TabLeavesTheBankTableAndReachesEveryEnabledControlInOrderBothWays)
{
    Texts forward{"textfield_bankName"};
    for (const std::string slot : {"0", "1", "2", "3", "4", "5"})
        for (const char* cell :
             {"textfield_contentNames_", "button_openContents_", "button_playContents_", "view_waveform_"})
            forward.push_back(cell + slot);
    // Open… and Save sit beside the Current bank / All banks switch they obey.
    for (const char* rest : {"button_reset", "button_matchLoudness", "radiobutton_options_0", "button_load",
                             "button_save", "popup_out", "popup_channel", "button_send", "popup_controller"})
        forward.push_back(rest);
    EXPECT_EQ(tabRound(Qt::NoModifier), forward);
    EXPECT_EQ(tabRound(Qt::ShiftModifier), Texts(forward.rbegin(), forward.rend()));
}

TEST_F(EditorDesktopTest, MnemonicsAndShortcutsNeverClashAndEveryMenuItemAndImportHasOne)
{
    // Alt+letter reaches one control or menu of the window, whichever has the focus.
    std::map<QChar, QString> owners;
    const auto claim = [&owners](const QString& text, const QString& owner) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at < 0 || at + 1 >= text.size())
            return;
        const QChar letter = text.at(at + 1).toUpper();
        EXPECT_TRUE(owners.emplace(letter, owner).second)
            << owner.toStdString() << " and " << owners[letter].toStdString() << " share Alt+"
            << QString(letter).toStdString();
    };
    for (const QAbstractButton* button : editor->findChildren<QAbstractButton*>())
        claim(button->text(), button->objectName());
    for (const QGroupBox* group : editor->findChildren<QGroupBox*>())
        claim(group->title(), group->objectName());
    for (const QLabel* label : editor->findChildren<QLabel*>())
        if (label->buddy() != nullptr)
            claim(label->text(), label->objectName());
    for (const QAction* menu : control<QMenuBar>("menubar").actions())
        claim(menu->text(), menu->objectName());
    EXPECT_GE(owners.size(), 13u);

    std::map<QString, QString> shortcuts;
    // Ctrl+1 to Ctrl+6 import into the slot of that row.
    for (const QAbstractButton* button :
         editor->findChildren<QAbstractButton*>(QRegularExpression("^button_openContents_")))
        EXPECT_TRUE(shortcuts.emplace(button->shortcut().toString(), button->objectName()).second);
    EXPECT_EQ(shortcuts.count(QStringLiteral("Ctrl+6")), 1u);
    // A shortcut presses its button at once and lets it go a moment later, as if clicked.
    QSignalSpy pressed(&control<QAbstractButton>("button_openContents_1"), &QAbstractButton::pressed);
    QTest::keyClick(&control("tableview_banks"), Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(pressed.count(), 1);
    for (const QMenu* menu : control<QMenuBar>("menubar").findChildren<QMenu*>()) {
        std::map<QChar, QString> items;
        for (const QAction* item : menu->actions()) {
            if (item->isSeparator())
                continue;
            const qsizetype at = item->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(at, 0) << item->objectName().toStdString();
            EXPECT_TRUE(items.emplace(item->text().at(at + 1).toUpper(), item->objectName()).second);
            if (!item->shortcut().isEmpty()) {
                EXPECT_TRUE(shortcuts.emplace(item->shortcut().toString(), item->objectName()).second);
            }
        }
    }
}

TEST_F(EditorDesktopTest, TheTableShowsEachBanksNumberBesideItsNameAndAnswersToTypingIt)
{
    type("textfield_bankName", QString());
    const QAbstractItemModel& model = *control<QTableView>("tableview_banks").model();
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Bank");
    EXPECT_EQ(model.data(model.index(4, 0)).toString(), "S05");
    EXPECT_EQ(tableRow(4), "");
    EXPECT_EQ(model.data(model.index(31, 0)).toString(), "FW");

    auto& table = control<QTableView>("tableview_banks");
    // Each case is typed within the type-ahead interval; Escape ends it, so the next starts afresh.
    const std::pair<const char*, int> typed[] = {{"21", 20}, {"s21", 20}, {"3", 2},  {"05", 4}, {"45", 4},
                                                 {"f", 31},  {"FW", 31},  {"S9", 8}, {"99", 8}, {"0", 8}};
    for (const auto& [keys, row] : typed) {
        QTest::keyClicks(&table, QString::fromLatin1(keys));
        QTest::keyClick(&table, Qt::Key_Escape);
        EXPECT_TRUE(table.selectionModel()->isRowSelected(row)) << keys;
        EXPECT_EQ(textOf("textfield_bankName"), bankName(row)) << keys;
    }
}

} // namespace

TEST_F(EditorDesktopTest, ImportPreferencesAreRememberedAndTheImportLineNamesThem)
{
    QDialog& first = preferences();
    EXPECT_EQ(importChoice(first), std::tuple(0, false, false));
    in<QComboBox>(first, "popup_resampling").setCurrentIndex(1);
    in<QCheckBox>(first, "checkbox_normalize").setChecked(true);
    in<QCheckBox>(first, "checkbox_trim").setChecked(true);
    closeDialog(first, true);

    restart();
    selectRow(4);
    importWithApply(1, make("late.wav", "sox -n -r 48k -c 2 -b 24", "synth 0.2 sine 440 gain -12 pad 0.03"));
    EXPECT_EQ(statusLine(), "late.wav: 0.20 s, padded to 0.25 s with silence (Clean, 0.03 s of silence "
                            "trimmed, normalised +11.9 dB)");

    // Cancel keeps what was stored; a stored conversion that makes no sense reads as the classic one.
    QDialog& second = preferences();
    EXPECT_EQ(importChoice(second), std::tuple(1, true, true));
    in<QCheckBox>(second, "checkbox_trim").setChecked(false);
    closeDialog(second, false);
    settings.setValue(QStringLiteral("import/resample"), QStringLiteral("cubic"));
    QDialog& third = preferences();
    EXPECT_EQ(importChoice(third), std::tuple(0, true, true));
    closeDialog(third, false);
}
