// A name typed into a field is the user's work before Return is pressed: what acts on the banks
// without taking the focus from the field (a shortcut, a menu, a drop, closing the window) takes
// the name first; and Undo pressed in a field with nothing of its own to undo undoes the last step.
#include "EditorFixture.h"

#include "model/SoundBank.h"

#include <QAccessible>

namespace {

class EditorTypedNamesTest : public EditorFixture {
protected:
    static std::string question(const std::string& bank, const std::string& before)
    {
        return saveChangesQuestion("The bank \"" + bank + "\" has", before);
    }
    QWidget& focused() { return *QApplication::focusWidget(); }
    // Opens the Edit menu by its key, as the field being typed in keeps the focus, and chooses the
    // item of the mnemonic.
    void chooseInEditMenu(Qt::Key mnemonic)
    {
        QTest::keyClick(&focused(), Qt::Key_E, Qt::AltModifier);
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->objectName().toStdString(), "menu_edit");
        QTest::keyClick(menu, mnemonic);
    }
    // Presses an item of the Edit menu as a screen reader does (and a desktop's own menu bar):
    // no menu opens, and the focus stays in the field.
    void pressInEditMenu(int item)
    {
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(&control<QMenu>("menu_edit"));
        ASSERT_NE(menu, nullptr);
        QAccessibleInterface* entry = menu->child(item);
        ASSERT_TRUE(entry != nullptr && entry->actionInterface() != nullptr);
        entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
};

TEST_F(EditorTypedNamesTest, QuitOpenAndADroppedBankFileTakeTheNameBeingTyped)
{
    // Ctrl+Q: asked, and what is saved carries the name.
    typeWithoutReturn("textfield_bankName", "Kit");
    saveChangesReply = AlertReply::Default;
    paths = {path("kit.mid")};
    QTest::keyClick(&focused(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(shown, (Texts{question("Kit", "quitting"), "save mid"}));
    SoundBank saved(4);
    ASSERT_TRUE(BankFile().openBank(saved, path("kit.mid")));
    EXPECT_EQ(saved.getName(), "Kit");

    // Ctrl+O, cancelled at the question: the name stays, as one step to undo.
    editor->show();
    QApplication::setActiveWindow(editor.get());
    shown.clear();
    typeWithoutReturn("textfield_contentNames_2", "Clap 2");
    saveChangesReply = AlertReply::Alternate;
    QTest::keyClick(&focused(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(shown, Texts{question("Kit", "opening another bank file")});
    EXPECT_EQ(slotName(4, 2), "Clap 2");
    EXPECT_EQ(control<QAction>("menu_undo").text().toStdString(), "&Undo Rename");

    // A bank file dropped onto the window; discarded, so the file's banks replace the name.
    shown.clear();
    typeWithoutReturn("textfield_contentNames_5", "Ride 2");
    saveChangesReply = AlertReply::Other;
    EXPECT_TRUE(drop("textfield_contentNames_0", {bankFile("all.mid")}));
    EXPECT_EQ(shown, Texts{question("Kit", "opening another bank file")});
    EXPECT_EQ(bankName(4), "file bank 4");
    control<QAction>("menu_undo").trigger();
    EXPECT_EQ(slotName(4, 5), "Ride 2");
}

TEST_F(EditorTypedNamesTest, UndoAndRedoKeysInAFieldWithNothingOfItsOwnReachTheHistory)
{
    selectRow(6);
    auto& field = control<QLineEdit>("textfield_contentNames_1");
    const std::string before = slotName(6, 1);
    typeWithoutReturn("textfield_contentNames_1", "Snare");
    QTest::keyClick(&field, Qt::Key_Return);
    ASSERT_EQ(slotName(6, 1), "Snare");
    ASSERT_EQ(&focused(), &field);

    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(slotName(6, 1), before);
    EXPECT_EQ(field.text().toStdString(), before);
    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(slotName(6, 1), "Snare");

    // While it has typing of its own to undo, the field keeps the keys.
    QTest::keyClicks(&field, "s");
    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.text().toStdString(), "Snare");
    EXPECT_EQ(slotName(6, 1), "Snare");
    EXPECT_EQ(control<QAction>("menu_undo").text().toStdString(), "&Undo Rename");
}

TEST_F(EditorTypedNamesTest, MenuUndoAndRedoTakeTheNameBeingTypedAsAStepOfItsOwn)
{
    enum { kUndo, kRedo };
    type("textfield_bankName", "First typed");
    typeWithoutReturn("textfield_bankName", "Second typed");
    pressInEditMenu(kUndo);
    EXPECT_EQ(bankName(4), "First typed");
    EXPECT_EQ(textOf("textfield_bankName"), "First typed");
    EXPECT_EQ(statusLine(), "Undid rename of S05");
    pressInEditMenu(kRedo);
    EXPECT_EQ(bankName(4), "Second typed");

    // A name typed before Redo is the newest change: nothing is redone over it.
    pressInEditMenu(kUndo);
    typeWithoutReturn("textfield_bankName", "Third typed");
    pressInEditMenu(kRedo);
    EXPECT_EQ(bankName(4), "Third typed");
    EXPECT_FALSE(control<QAction>("menu_redo").isEnabled());

    // The menu opened by its keys takes the name as well.
    typeWithoutReturn("textfield_bankName", "Fourth typed");
    chooseInEditMenu(Qt::Key_U);
    EXPECT_EQ(bankName(4), "Third typed");
    chooseInEditMenu(Qt::Key_R);
    EXPECT_EQ(bankName(4), "Fourth typed");
}

// A name that no bank file keeps is refused with its reason, and the field shows the kept name again
// at once; which names a file keeps is NameRefusalTest's and BankFileTest's.
TEST_F(EditorTypedNamesTest, ANameNoFileKeepsIsRefusedWithItsReasonAndTheLongestThatFitsIsTaken)
{
    // 128 letters of two bytes each: one byte more than a name holds.
    type("textfield_contentNames_3", "");
    std::string fieldAtAlert;
    whenAlerted = [&] { fieldAtAlert = textOf("textfield_contentNames_3"); };
    type("textfield_contentNames_3", QString(128, QChar(0x00E4)));
    EXPECT_EQ(slotName(4, 3), "");
    EXPECT_EQ(fieldAtAlert, "");
    EXPECT_EQ(textOf("textfield_contentNames_3"), "");
    // The alert and the status line say the same.
    const std::string said = "S05 " + editor->workBank(4).getContentLabel(3)
                             + " keeps its name: the new name is 256 bytes long; a bank or slot name holds at most "
                               "255 bytes of UTF-8, as a file's name does.";
    EXPECT_EQ(shown, Texts{"critical|Rename Failed|" + said + "|OK|"});
    EXPECT_EQ(statusLine(), said);
    type("textfield_bankName", QString(255, QLatin1Char('x')));
    EXPECT_EQ(bankName(4), std::string(255, 'x'));
    type("textfield_contentNames_3", QStringLiteral("Rim – zwölf"));
    EXPECT_EQ(slotName(4, 3), "Rim – zwölf");
}

} // namespace
