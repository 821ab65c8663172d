// The session's start as the program makes it: a bank file given to the program opens over the
// shown window as Open… opens it, and the set's file of the last session opens again, without an
// alert, when the preferences ask for it.
#include "EditorFixture.h"

#include "app/window/CommandLine.h"

#include <QCheckBox>
#include <QDir>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

class EditorStartTest : public EditorFixture {
protected:
    // Starts the window as the program does with these arguments after its name.
    void startWith(const QStringList& arguments)
    {
        const CommandLine commandLine(QStringList{QStringLiteral("zylox-editor")} + arguments);
        const Texts shownBefore = shown;
        const std::string statusBefore = statusLine();
        editor->start(commandLine.file());
        // Nothing is opened nor asked until the window is on the screen and its events run.
        EXPECT_EQ(shown, shownBefore);
        EXPECT_EQ(statusLine(), statusBefore);
        settle();
    }
    void restartWith(const QStringList& arguments)
    {
        restart();
        shown.clear();
        startWith(arguments);
    }
    void setReopen(bool reopen)
    {
        QDialog& dialog = preferences();
        in<QCheckBox>(dialog, "checkbox_reopenLast").setChecked(reopen);
        closeDialog(dialog, true);
    }
    static std::string systemText(int error) { return std::strerror(error); }
};

TEST_F(EditorStartTest, AFileGivenAtStartOpensOverTheWindowAsOpenDoesFromTheFolderItWasGivenIn)
{
    bankFile("s08.mid", 7);
    std::vector<bool> visibleAtAlerts;
    whenAlerted = [&] { visibleAtAlerts.push_back(editor->isVisible()); };
    reply = AlertReply::Other;
    const QString home = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    startWith({QStringLiteral("s08.mid")});
    QDir::setCurrent(home);

    // S05 is selected at start: the file of S08 asks where it goes, as Open… asks.
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "beep");
    EXPECT_EQ(shown[1].rfind("question|Different Banks!|The file contains data for bank: \"file bank 7\" (S08).", 0),
              0u)
        << shown[1];
    EXPECT_EQ(visibleAtAlerts, std::vector<bool>{true});
    EXPECT_EQ(statusLine(), "Opened s08.mid into S08");
    // S08 takes it as it is and is shown; the selected S05 keeps what it held.
    EXPECT_EQ(imageOf(editor->workBank(7)), imageOf(editor->defaultBank(7)));
    EXPECT_EQ(editor->workBank(7).getIndex(), 7);
    EXPECT_EQ(tableRow(7), "file bank 7");
    EXPECT_EQ(tableRow(4), editor->defaultBank(4).getName());
    EXPECT_EQ(control<QTableView>("tableview_banks").currentIndex().row(), 7);
    EXPECT_EQ(textOf("textfield_bankName"), "file bank 7");
    EXPECT_EQ(title(), "s08.mid[*]");
    // Named by its whole path, which stays right wherever the program is afterwards.
    EXPECT_EQ(control<QMenu>("menu_openRecent").actions().front()->toolTip().toStdString(), path("s08.mid"));
}

// A file that holds no bank is refused as Open… refuses it, which EditorTest shows.
TEST_F(EditorStartTest, AFileGivenAtStartThatCannotBeOpenedIsNamedInTheWindowWithWhy)
{
    startWith({QString::fromStdString(path("missing.mid"))});
    EXPECT_EQ(shown, Texts{"warning|File Not Opened|missing.mid could not be opened: " + systemText(ENOENT) + ".|OK|"});
    EXPECT_EQ(statusLine(), "Not opened: missing.mid: " + systemText(ENOENT));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(title(), "Untitled[*]");
    EXPECT_EQ(tableRow(4), editor->defaultBank(4).getName());
}

TEST_F(EditorStartTest, TheLastFileOpensAgainOnlyWhenThePreferencesAskAndNeverWithAnAlert)
{
    // Off until turned on: the window starts as it always has, with the factory banks.
    paths = {bankFile("kit.mid", 7)};
    selectRow(7);
    click("button_load");
    ASSERT_EQ(title(), "kit.mid[*]");
    restartWith({});
    EXPECT_EQ(title(), "Untitled[*]");
    EXPECT_EQ(tableRow(7), editor->defaultBank(7).getName());

    // Turned on, kept from one run to the next: the file opens onto its bank's own row, unasked,
    // though a session without a file came between.
    setReopen(true);
    restartWith({});
    EXPECT_EQ(shown, Texts{});
    EXPECT_EQ(statusLine(), "Opened kit.mid into S08");
    EXPECT_EQ(textOf("textfield_bankName"), "file bank 7");
    EXPECT_EQ(title(), "kit.mid[*]");

    // A file given at start opens in its place.
    restartWith({QString::fromStdString(bankFile("s05.mid", 4))});
    EXPECT_EQ(statusLine(), "Opened s05.mid into S05");

    // The set's file as it was at the end: an open undone gives the earlier file back.
    openFile(bankFile("other.mid", 4));
    press(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(title(), "s05.mid[*]");
    restartWith({});
    EXPECT_EQ(statusLine(), "Opened s05.mid into S05");

    // Gone, or no bank file any more: the status line says so, with no alert over the window.
    std::filesystem::remove(path("s05.mid"));
    restartWith({});
    EXPECT_EQ(shown, Texts{});
    EXPECT_EQ(statusLine(), "The last bank file was not opened again: " + path("s05.mid") + ": " + systemText(ENOENT));
    EXPECT_EQ(title(), "Untitled[*]");
    make("s05.mid", "echo 'not a bank' >");
    restartWith({});
    EXPECT_EQ(shown, Texts{});
    EXPECT_EQ(statusLine(), "The last bank file was not opened again: " + path("s05.mid") + ": it holds no sound bank");
}

} // namespace
