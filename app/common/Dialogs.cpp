#include "app/common/Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace {

// "mid" becomes "Bank files (*.mid)"; sound types "Sounds (*.wav ...)" with "All files" second, for
// a sound under another name; no types means any file.
QStringList nameFilters(const std::vector<std::string>& fileTypes)
{
    const QString all = QObject::tr("All files (*)");
    if (fileTypes.empty())
        return {all};
    QStringList patterns;
    for (const std::string& type : fileTypes)
        patterns << QStringLiteral("*.") + QString::fromStdString(type);
    if (fileTypes.front() == "mid")
        return {QObject::tr("Bank files (%1)").arg(patterns.join(QLatin1Char(' ')))};
    return {QObject::tr("Sounds (%1)").arg(patterns.join(QLatin1Char(' '))), all};
}

QMessageBox::Icon iconOf(IDialogs::AlertStyle style)
{
    switch (style) {
    case IDialogs::AlertStyle::Critical:
        return QMessageBox::Critical;
    case IDialogs::AlertStyle::Question:
        return QMessageBox::Question;
    case IDialogs::AlertStyle::Warning:
        return QMessageBox::Warning;
    case IDialogs::AlertStyle::Informational:
        break;
    }
    return QMessageBox::Information;
}

std::string runFileDialog(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    // Paths go to the file streams as the file system spells them, not as UTF-16 text.
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

} // namespace

IDialogs::AlertReply Dialogs::runAlert(const Alert& alert)
{
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(iconOf(alert.style));
    box.setWindowTitle(alert.title);
    // Bank names are user text: never let them be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(alert.message);
    QPushButton* defaultButton = box.addButton(alert.defaultButton, QMessageBox::AcceptRole);
    QPushButton* alternateButton
        = alert.alternateButton.isEmpty() ? nullptr : box.addButton(alert.alternateButton, QMessageBox::RejectRole);
    box.setEscapeButton(alternateButton != nullptr ? alternateButton : defaultButton);
    QPushButton* otherButton
        = alert.otherButton.isEmpty() ? nullptr : box.addButton(alert.otherButton, QMessageBox::ActionRole);
    QPushButton* enterButton = alert.enterChooses == AlertReply::Alternate ? alternateButton
                               : alert.enterChooses == AlertReply::Other   ? otherButton
                                                                           : defaultButton;
    box.setDefaultButton(enterButton != nullptr ? enterButton : defaultButton);
    box.exec();
    if (box.clickedButton() == defaultButton)
        return AlertReply::Default;
    return otherButton != nullptr && box.clickedButton() == otherButton ? AlertReply::Other : AlertReply::Alternate;
}

std::string Dialogs::runOpenPanel(const std::vector<std::string>& fileTypes, const QString& folder,
                                  const QString& title)
{
    QFileDialog dialog(QApplication::activeWindow(), title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(fileTypes));
    return runFileDialog(dialog);
}

std::string Dialogs::runFolderPanel(const QString& title)
{
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return runFileDialog(dialog);
}

int Dialogs::runPick(const Pick& pick)
{
    bool chosen = false;
    const QString item
        = QInputDialog::getItem(QApplication::activeWindow(), pick.title, pick.label, pick.items, 0, false, &chosen);
    return chosen ? static_cast<int>(pick.items.indexOf(item)) : -1;
}

std::string Dialogs::runSavePanel(const std::vector<std::string>& fileTypes, const QString& suggested)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(fileTypes));
    if (!fileTypes.empty())
        dialog.setDefaultSuffix(QString::fromStdString(fileTypes.front()));
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    return runFileDialog(dialog);
}

void Dialogs::beep()
{
    QApplication::beep();
}
