// The real message boxes behind the dialogs seam: the icon each kind of alert carries, and the
// answer Enter, Escape and a click give, pressed on the box as the user would.

#include "app/common/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Reply = IDialogs::AlertReply;
using Style = IDialogs::AlertStyle;

// Runs the alert in a real message box and works it with act once it is shown; the icon it had.
Reply answer(const IDialogs::Alert& alert, const std::function<void(QMessageBox&)>& act, QMessageBox::Icon& icon)
{
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        icon = box->icon();
        act(*box);
    });
    return Dialogs().runAlert(alert);
}

std::function<void(QMessageBox&)> key(Qt::Key pressed)
{
    return [pressed](QMessageBox& box) { QTest::keyClick(&box, pressed); };
}

// Presses the button that answers to Alt and the key, as the user would by its mnemonic.
std::function<void(QMessageBox&)> mnemonic(Qt::Key pressed)
{
    return [pressed](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            if (button->shortcut() == QKeySequence(Qt::ALT | pressed))
                return QTest::mouseClick(button, Qt::LeftButton);
        box.reject();
        FAIL() << "no button answers to Alt+" << QKeySequence(pressed).toString().toStdString();
    };
}

std::function<void(QMessageBox&)> clickOn(const QString& text)
{
    return [text](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            if (button->text() == text)
                return QTest::mouseClick(button, Qt::LeftButton);
        FAIL() << "no button " << text.toStdString();
    };
}

TEST(DialogsTest, QuestionsShowTheQuestionIconAndEnterPressesTheButtonTheAlertNames)
{
    const IDialogs::Alert reset{Style::Question, "Reset to Default", "Give the bank back?", "Reset", "Cancel", {},
                                Reply::Alternate};
    const IDialogs::Alert saveChanges{Style::Question, "Save changes?", "Save them?", "Save", "Cancel", "&Discard"};
    const IDialogs::Alert differentBanks{Style::Question, "Different Banks!", "Load it where?", "Load into S10",
                                         "Cancel",        "Load into S05",    Reply::Alternate};
    const IDialogs::Alert failure{Style::Critical, "Save Failed", "Could not be written.", "OK"};
    const IDialogs::Alert notice{Style::Informational, "Transmission Stopped", "Sent completely: none.", "OK"};
    const IDialogs::Alert wrongFile{Style::Warning, "Wrong File Format", "notes.mid holds no sound bank.", "OK"};
    const struct {
        const IDialogs::Alert& alert;
        std::function<void(QMessageBox&)> act;
        QMessageBox::Icon icon;
        Reply reply;
    } cases[] = {
        {reset, key(Qt::Key_Return), QMessageBox::Question, Reply::Alternate},
        {reset, key(Qt::Key_Escape), QMessageBox::Question, Reply::Alternate},
        {reset, clickOn("Reset"), QMessageBox::Question, Reply::Default},
        // Save stays the default; Discard only by its own button.
        {saveChanges, key(Qt::Key_Enter), QMessageBox::Question, Reply::Default},
        {saveChanges, key(Qt::Key_Escape), QMessageBox::Question, Reply::Alternate},
        {saveChanges, clickOn("&Discard"), QMessageBox::Question, Reply::Other},
        {saveChanges, mnemonic(Qt::Key_D), QMessageBox::Question, Reply::Other},
        {differentBanks, key(Qt::Key_Return), QMessageBox::Question, Reply::Alternate},
        {differentBanks, clickOn("Load into S10"), QMessageBox::Question, Reply::Default},
        {differentBanks, clickOn("Load into S05"), QMessageBox::Question, Reply::Other},
        {failure, key(Qt::Key_Return), QMessageBox::Critical, Reply::Default},
        {failure, key(Qt::Key_Escape), QMessageBox::Critical, Reply::Default},
        {notice, key(Qt::Key_Return), QMessageBox::Information, Reply::Default},
        {wrongFile, key(Qt::Key_Return), QMessageBox::Warning, Reply::Default},
    };
    for (const auto& [alert, act, icon, reply] : cases) {
        SCOPED_TRACE(alert.title.toStdString());
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        EXPECT_EQ(answer(alert, act, shown), reply);
        EXPECT_EQ(shown, icon);
    }
}

} // namespace
