// The window protects the user's work: every change to the banks can be undone and redone, each
// saying in the status line what it did, the title tells unsaved changes, nothing unsaved goes
// without asking, and keyboard focus never waits on a button that destroys something.
#include "EditorFixture.h"

#include <filesystem>
#include <tuple>

namespace {

using EditorWorkTest = EditorFixture;

// Every bank's name, slot names and bytes: what an undo must give back exactly.
struct BankSet {
    std::vector<std::string> names;
    std::vector<Bytes> images;
    bool operator==(const BankSet&) const = default;
};

TEST_F(EditorWorkTest, EveryChangeToTheBanksCanBeUndoneAndRedone)
{
    const auto banks = [this] {
        BankSet set;
        for (int row = 0; row < 32; ++row) {
            const IBank& bank = editor->workBank(row);
            set.names.push_back(bank.getName());
            for (const std::string& name : bank.getContentNames())
                set.names.back() += "|" + name;
            set.images.push_back(imageOf(bank));
        }
        return set;
    };
    auto& undo = control<QAction>("menu_undo");
    auto& redo = control<QAction>("menu_redo");
    selectRow(5);
    reply = AlertReply::Alternate; // Reset to Default cancelled: nothing to undo
    click("button_reset");
    reply = AlertReply::Default;
    EXPECT_FALSE(undo.isEnabled());

    std::vector<BankSet> states{banks()};
    // Each change, the start of the status line it leaves, and how an undo or redo names it there.
    const std::vector<std::tuple<std::function<void()>, std::string, std::string>> changes{
        {[&] { openFile(bankFile("all.mid")); }, "Opened S06 from all.mid", "opening S06 from all.mid"},
        {[&] { type("textfield_bankName", "Kit"); }, "Renamed S06 to \"Kit\"", "rename of S06"},
        {[&] { type("textfield_contentNames_2", "Clap 2"); }, "Renamed S06 CLAP to \"Clap 2\"", "rename of S06 CLAP"},
        {[&] { importWithApply(1, make("raw.txt", "printf 'raw bytes' >")); }, "raw.txt: 9 bytes of raw device data",
         "import into S06 CLOSED HI HAT"},
        {[&] { click("button_reset"); }, "Reset S06 to its factory name and sounds", "reset of S06"},
        {[&] { openFile(bankFile("s06.mid", 5)); }, "Opened s06.mid into S06", "opening s06.mid into S06"},
        {[&] {
             click("radiobutton_options_1");
             openFile(bankFile("all.mid"));
         },
         "Opened all.mid (all banks)", "opening all.mid (all banks)"},
    };
    for (const auto& [change, status, said] : changes) {
        change();
        states.push_back(banks());
        EXPECT_NE(states.back(), states[states.size() - 2]);
        EXPECT_THAT(statusLine(), StartsWith(status));
    }
    EXPECT_EQ(undo.text().toStdString(), "&Undo Open");
    type("textfield_bankName", "file bank 5"); // unchanged: no step
    EXPECT_EQ(undo.text().toStdString(), "&Undo Open");

    selectRow(0);
    QWidget& table = control("tableview_banks");
    for (std::size_t step = changes.size(); step > 0; --step) {
        QTest::keyClick(&table, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(banks(), states[step - 1]) << "undone step " << step;
        EXPECT_EQ(statusLine(), "Undid " + std::get<2>(changes[step - 1]));
    }
    EXPECT_FALSE(undo.isEnabled());
    EXPECT_EQ(redo.text().toStdString(), "&Redo Open");
    EXPECT_EQ(textOf("textfield_bankName"), "S06"); // the bank the step changed is on show
    // Every open undone, the set has no file again, and nothing differs from the factory banks.
    EXPECT_EQ(title(), "Untitled[*]");
    EXPECT_FALSE(editor->isWindowModified());
    for (std::size_t step = 1; step <= changes.size(); ++step) {
        QTest::keyClick(&table, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(banks(), states[step]) << "redone step " << step;
        EXPECT_EQ(statusLine(), "Redid " + std::get<2>(changes[step - 1]));
    }
    EXPECT_FALSE(redo.isEnabled());
    EXPECT_EQ(tableRow(5), "file bank 5");
}

TEST_F(EditorWorkTest, TitleMarksUnsavedBanksAndQuitCloseAndOpenAskBeforeLosingThem)
{
    const auto question = saveChangesQuestion;
    EXPECT_EQ(title(), "Untitled[*]");
    EXPECT_FALSE(editor->isWindowModified());
    EXPECT_TRUE(editor->close()); // nothing to lose, nothing asked
    editor->show();
    for (const int row : {3, 4, 7, 9}) {
        selectRow(row);
        type("textfield_bankName", QStringLiteral("Kit %1").arg(row));
    }
    EXPECT_TRUE(editor->isWindowModified());

    saveChangesReply = AlertReply::Alternate;
    EXPECT_FALSE(editor->close());
    EXPECT_TRUE(editor->isVisible());
    click("button_load");
    const std::string four = "The banks \"Kit 3\", \"Kit 4\", \"Kit 7\" and 1 more have";
    EXPECT_EQ(shown, (Texts{question(four, "quitting"), question(four, "opening another bank file")}));

    // Save: several changed banks go to a file of all banks, which names the window.
    shown.clear();
    saveChangesReply = AlertReply::Default;
    paths = {path("kits.mid")};
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(shown, (Texts{question(four, "quitting"), "save mid"}));
    EXPECT_EQ(title(), "kits.mid[*]");
    EXPECT_FALSE(editor->isWindowModified());
    EXPECT_EQ(std::filesystem::file_size(path("kits.mid")), 8'376'062u);
    EXPECT_EQ(statusLine(), "Saved kits.mid (all banks)");

    // The set now has a file of all banks: Save writes it whole, without a panel.
    editor->show();
    selectRow(4);
    type("textfield_bankName", "Kit 4b");
    shown.clear();
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(shown, (Texts{question("The bank \"Kit 4b\" has", "quitting")}));
    EXPECT_EQ(std::filesystem::file_size(path("kits.mid")), 8'376'063u);
    EXPECT_EQ(title(), "kits.mid[*]");

    // A file of one bank: a change it does not hold is asked about again, and a cancelled save
    // panel for it cancels the quit.
    editor->show();
    openFile(bankFile("kit4.mid", 4));
    type("textfield_bankName", "Kit 4c");
    selectRow(9);
    type("textfield_bankName", "Kit 9c");
    shown.clear();
    paths = {""};
    EXPECT_FALSE(editor->close());
    paths = {path("kit9.mid")};
    EXPECT_TRUE(editor->close());
    const std::string both = "The banks \"Kit 4c\", \"Kit 9c\" have";
    const std::string nine = "The bank \"Kit 9c\" has";
    EXPECT_EQ(shown, (Texts{question(both, "quitting"), question(nine, "quitting"), "save mid",
                            question(nine, "quitting"), "save mid"}));
    EXPECT_EQ(std::filesystem::file_size(path("kit4.mid")), 262'298u);
    EXPECT_EQ(std::filesystem::file_size(path("kit9.mid")), 262'298u);
    EXPECT_EQ(statusLine(), "Saved kit9.mid (S10)");
    EXPECT_EQ(title(), "kit9.mid[*]");

    // Discard quits as it is.
    editor->show();
    type("textfield_bankName", "Kit 9d");
    saveChangesReply = AlertReply::Other;
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(bankName(9), "Kit 9d");
}

TEST_F(EditorWorkTest, FocusNeverWaitsOnResetAfterAnotherAction)
{
    auto& save = control("button_save");
    auto& reset = control("button_reset");
    save.setFocus();
    paths = {path("s05.mid")};
    QTest::keyClick(&save, Qt::Key_Space);
    EXPECT_TRUE(std::filesystem::exists(path("s05.mid")));
    EXPECT_NE(QApplication::focusWidget(), &reset);
    // A focused control disabled for a moment hands focus on along the tab order: not to Reset,
    // which comes after the last slot row.
    auto& lastRow = control("view_waveform_5");
    lastRow.setFocus();
    lastRow.setEnabled(false);
    EXPECT_EQ(QApplication::focusWidget(), &control("tableview_banks"));
}

} // namespace
