// Opening and saving bank files, and importing files into slots, through the window's buttons.
#include "EditorFixture.h"

#include "bankfile/WrapperZQMidiFile.h"
#include "model/CSound.h"

#include <QPushButton>

#include <filesystem>

namespace {

using Style = IDialogs::AlertStyle;
using Reply = IDialogs::AlertReply;

class EditorFilesTest : public EditorFixture {};

TEST_F(EditorFilesTest, OneBankFileOfTheSelectedBankReplacesItWithoutAQuestion)
{
    const std::string file = oneBankFile(4, "Kit from file", "s05.mid");
    start();
    const IBank* before = &editor->workBank(4);
    dialogs.chooseNextFile(file);
    click("button_load");

    ASSERT_EQ(dialogs.panels().size(), 1u);
    EXPECT_FALSE(dialogs.panels()[0].isSave);
    EXPECT_EQ(dialogs.panels()[0].fileTypes, std::vector<std::string>{"mid"});
    EXPECT_TRUE(dialogs.alerts().empty());
    EXPECT_EQ(dialogs.beeps(), 0);
    EXPECT_NE(&editor->workBank(4), before);
    EXPECT_EQ(tableRow(4), QStringLiteral("Kit from file"));
    EXPECT_EQ(textOf("textfield_bankName"), QStringLiteral("Kit from file"));
    EXPECT_EQ(selectedRow(), 4);
}

TEST_F(EditorFilesTest, OneBankFileOfAnotherBankAsksAfterABeep)
{
    const std::string file = oneBankFile(7, "S08", "s08.mid");
    start();
    const std::vector<std::uint8_t> s05 = imageOf(editor->workBank(4));

    dialogs.chooseNextFile(file);
    dialogs.answerNextAlert(Reply::Alternate);
    click("button_load");
    ASSERT_EQ(dialogs.events(), (std::vector<std::string>{"beep", "alert:Different Banks!"}));
    const IDialogs::Alert& question = dialogs.alerts()[0];
    EXPECT_EQ(question.style, Style::Critical);
    EXPECT_EQ(question.message,
              "The file contains data for bank: \"S08\".\nDo you want to overwrite bank: \"S05\"?");
    EXPECT_EQ(question.defaultButton, "YES");
    EXPECT_EQ(question.alternateButton, "NO");
    EXPECT_EQ(imageOf(editor->workBank(4)), s05);
    EXPECT_EQ(editor->workBank(4).getName(), "S05");

    dialogs.chooseNextFile(file);
    dialogs.answerNextAlert(Reply::Default);
    click("button_load");
    const IBank& loaded = editor->workBank(4);
    EXPECT_EQ(loaded.getIndex(), 4);
    EXPECT_EQ(loaded.getName(), "S08");
    EXPECT_EQ(imageOf(loaded), imageOf(editor->defaultBank(7)));
    EXPECT_EQ(imageOf(editor->workBank(7)), imageOf(editor->defaultBank(7)));
    EXPECT_EQ(selectedRow(), 4);
}

TEST_F(EditorFilesTest, QuestionNamesTheBanksAsTheEditorShowsThem)
{
    const std::string file = oneBankFile(7, "whatever", "s08.mid");
    start();
    selectRow(7);
    type("textfield_bankName", QStringLiteral("100% <b>Hats</b>"));
    selectRow(2);
    dialogs.chooseNextFile(file);
    dialogs.answerNextAlert(Reply::Alternate);
    click("button_load");
    ASSERT_EQ(dialogs.alerts().size(), 1u);
    EXPECT_EQ(dialogs.alerts()[0].message, "The file contains data for bank: \"100% <b>Hats</b>\".\n"
                                           "Do you want to overwrite bank: \"S03 - factory -\"?");
}

TEST_F(EditorFilesTest, AllBanksFileReplacesEveryBankAndKeepsTheSelection)
{
    const std::string file = allBanksFile("all.mid");
    start();
    selectRow(12);
    dialogs.chooseNextFile(file);
    click("button_load");
    EXPECT_TRUE(dialogs.alerts().empty());
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(tableRow(row), QString::fromStdString("file bank " + std::to_string(row))) << row;
    EXPECT_EQ(editor->workBank(31).getIndex(), 31);
    EXPECT_EQ(selectedRow(), 12);
    EXPECT_EQ(textOf("textfield_bankName"), QStringLiteral("file bank 12"));
}

TEST_F(EditorFilesTest, FileWithoutBanksIsRefusedAndChangesNothing)
{
    make("printf 'not a bank file' > " + path("notes.mid"));
    start();
    dialogs.chooseNextFile(path("notes.mid"));
    click("button_load");
    ASSERT_EQ(dialogs.alerts().size(), 1u);
    const IDialogs::Alert& refusal = dialogs.alerts()[0];
    EXPECT_EQ(refusal.style, Style::Informational);
    EXPECT_EQ(refusal.title, "Wrong File Format");
    EXPECT_EQ(refusal.message, "This file contains no sound bank(s)\nfor a Tarvo ZYLOX 515!");
    EXPECT_EQ(refusal.defaultButton, "OK");
    EXPECT_EQ(refusal.alternateButton, "");
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(editor->workBank(row).getName(), editor->defaultBank(row).getName());

    dialogs.cancelNextPanel();
    click("button_load");
    EXPECT_EQ(dialogs.alerts().size(), 1u);
}

TEST_F(EditorFilesTest, SavesTheCurrentBankOrAllBanksAndReopensThem)
{
    start();
    selectRow(9);
    type("textfield_bankName", QStringLiteral("Saved kit"));
    dialogs.chooseNextFile(path("one.mid"));
    click("button_save");
    ASSERT_EQ(dialogs.panels().size(), 1u);
    EXPECT_TRUE(dialogs.panels()[0].isSave);
    EXPECT_EQ(dialogs.panels()[0].fileTypes, std::vector<std::string>{"mid"});
    EXPECT_TRUE(enabled("button_save"));
    EXPECT_TRUE(dialogs.alerts().empty());

    CSound reread(0);
    WrapperZQMidiFile files;
    ASSERT_TRUE(files.openBank(reread, path("one.mid")));
    EXPECT_EQ(reread.getIndex(), 9);
    EXPECT_EQ(reread.getName(), "Saved kit");

    click("radiobutton_options_1");
    dialogs.chooseNextFile(path("all.mid"));
    click("button_save");
    EXPECT_FALSE(files.openBank(reread, path("all.mid")));

    // Reopened onto a fresh editor state: the renamed bank comes back with everything else.
    click("button_reset");
    EXPECT_EQ(tableRow(9), QStringLiteral("S10"));
    dialogs.chooseNextFile(path("all.mid"));
    click("button_load");
    EXPECT_EQ(tableRow(9), QStringLiteral("Saved kit"));
    EXPECT_EQ(tableRow(0), QStringLiteral("S01 - factory -"));
    EXPECT_TRUE(dialogs.alerts().empty());
}

TEST_F(EditorFilesTest, FailedSaveIsReportedAndChangesNothing)
{
    start();
    dialogs.chooseNextFile(path("missing-folder/s05.mid"));
    click("button_save");
    ASSERT_EQ(dialogs.alerts().size(), 1u);
    const IDialogs::Alert& failure = dialogs.alerts()[0];
    EXPECT_EQ(failure.style, Style::Critical);
    EXPECT_EQ(failure.title, "Save Failed");
    EXPECT_EQ(failure.message, "The bank file could not be written.");
    EXPECT_EQ(failure.defaultButton, "OK");
    EXPECT_TRUE(enabled("button_save"));
    EXPECT_FALSE(std::filesystem::exists(path("missing-folder")));
}

TEST_F(EditorFilesTest, ImportsAPcmWaveAndNamesTheSlotAfterIt)
{
    make("sox -n -r 44100 -c 2 -b 16 " + path("kick.wav") + " synth 0.2 sine 60 2>/dev/null");
    start();
    const std::vector<std::uint8_t> before = slotBytes(editor->workBank(4), 0);
    dialogs.chooseNextFile(path("kick.wav"));
    click("button_openContents_0");
    ASSERT_EQ(dialogs.panels().size(), 1u);
    EXPECT_TRUE(dialogs.panels()[0].fileTypes.empty());
    EXPECT_TRUE(dialogs.alerts().empty());
    EXPECT_EQ(editor->workBank(4).getContentName(0), "kick.wav");
    EXPECT_EQ(textOf("textfield_contentNames_0"), QStringLiteral("kick.wav"));
    const std::vector<std::uint8_t> after = slotBytes(editor->workBank(4), 0);
    EXPECT_EQ(after.size(), before.size());
    EXPECT_NE(after, before);
    EXPECT_EQ(slotBytes(editor->defaultBank(4), 0), before);
}

TEST_F(EditorFilesTest, RefusesCompressedAudioAndKeepsTheSlot)
{
    make("sox -n -r 22050 -c 1 -b 16 -t aifc " + path("clap.aifc") + " synth 0.1 noise 2>/dev/null");
    make("sox -n -r 22050 -c 1 -e floating-point -b 32 " + path("float.wav") + " synth 0.1 noise 2>/dev/null");
    start();
    const std::vector<std::uint8_t> before = slotBytes(editor->workBank(4), 2);
    for (const char* file : {"clap.aifc", "float.wav"}) {
        dialogs.chooseNextFile(path(file));
        click("button_openContents_2");
    }
    ASSERT_EQ(dialogs.alerts().size(), 2u);
    for (const IDialogs::Alert& refusal : dialogs.alerts()) {
        EXPECT_EQ(refusal.style, Style::Critical);
        EXPECT_EQ(refusal.title, "Wrong File Format");
        EXPECT_EQ(refusal.message, "ZYLOX626Editor supports only pcm (no compression) formats (*.aif or *.wav).");
        EXPECT_EQ(refusal.defaultButton, "OK");
    }
    EXPECT_EQ(editor->workBank(4).getContentName(2), "CLAP");
    EXPECT_EQ(slotBytes(editor->workBank(4), 2), before);
}

TEST_F(EditorFilesTest, TakesAnyOtherFileRawAndReportsOneThatCannotBeRead)
{
    make("printf 'plain text, taken as samples' > " + path("notes.txt"));
    make(": > " + path("empty.wav"));
    start();
    dialogs.chooseNextFile(path("notes.txt"));
    click("button_openContents_5");
    EXPECT_TRUE(dialogs.alerts().empty());
    EXPECT_EQ(editor->workBank(4).getContentName(5), "notes.txt");
    const std::vector<std::uint8_t> raw = slotBytes(editor->workBank(4), 5);
    EXPECT_EQ(std::string(raw.begin() + 1, raw.begin() + 10), "lain text");

    for (const std::string& unreadable : {path("empty.wav"), path("gone.wav")}) {
        dialogs.chooseNextFile(unreadable);
        click("button_openContents_5");
    }
    ASSERT_EQ(dialogs.alerts().size(), 2u);
    for (const IDialogs::Alert& failure : dialogs.alerts()) {
        EXPECT_EQ(failure.style, Style::Critical);
        EXPECT_EQ(failure.title, "Import Failed");
        EXPECT_EQ(failure.message, "The file could not be read.");
        EXPECT_EQ(failure.defaultButton, "OK");
    }
    EXPECT_EQ(editor->workBank(4).getContentName(5), "notes.txt");
    EXPECT_EQ(slotBytes(editor->workBank(4), 5), raw);
}

TEST_F(EditorFilesTest, FirmwareSlotTakesASystemExclusiveFile)
{
    make("printf '\\360\\061\\100\\070\\000\\001\\002\\367' > " + path("presets.syx"));
    start();
    selectRow(31);
    dialogs.chooseNextFile(path("presets.syx"));
    click("button_openContents_0");
    EXPECT_TRUE(dialogs.alerts().empty());
    EXPECT_EQ(editor->workBank(31).getContentName(0), "presets.syx");
    EXPECT_EQ(textOf("textfield_contentNames_0"), QStringLiteral("presets.syx"));
}

} // namespace
