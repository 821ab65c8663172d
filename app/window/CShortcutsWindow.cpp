#include "app/window/CShortcutsWindow.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// A menu's or an item's text as it reads, without its mnemonic's mark.
QString plain(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\u0001"));
    shown.remove(QLatin1Char('&'));
    shown.replace(QChar(1), QLatin1Char('&'));
    return shown;
}

void addMenuKeys(QTreeWidget& list, const QMenu& menu, const QString& path)
{
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        const QString place = path + QStringLiteral(" \u2192 ") + plain(action->text());
        if (action->menu() != nullptr)
            addMenuKeys(list, *action->menu(), place);
        else if (!action->shortcut().isEmpty())
            new QTreeWidgetItem(&list, {action->shortcut().toString(QKeySequence::NativeText), place});
    }
}

} // namespace

CShortcutsWindow::CShortcutsWindow(const QMenuBar& menus, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("window_shortcuts"));
    setWindowTitle(tr("Keyboard Shortcuts"));
    auto* list = new QTreeWidget;
    list->setObjectName(QStringLiteral("list_shortcuts"));
    list->setAccessibleName(tr("Keyboard shortcuts"));
    list->setHeaderLabels({tr("Keys"), tr("What they do")});
    list->setRootIsDecorated(false);
    list->setWordWrap(true);
    for (const QAction* action : menus.actions())
        if (action->menu() != nullptr && action->isVisible())
            addMenuKeys(*list, *action->menu(), plain(action->text()));
    const auto key = [](const QKeySequence& keys) { return keys.toString(QKeySequence::NativeText); };
    const QList<QStringList> others{
        {tr("%1 to %2").arg(key(Qt::CTRL | Qt::Key_1), key(Qt::CTRL | Qt::Key_6)),
         tr("Import a sound into slot 1 to 6 of the selected bank")},
        {tr("Space"), tr("Play the selected slot, or stop it; in the sound browser's list, the selected file")},
        {key(Qt::CTRL | Qt::Key_E), tr("Open the selected slot's sound panel")},
        {tr("Up, Down"), tr("With a slot's waveform focused: select the slot above or below")},
        {tr("Enter"), tr("With a slot's waveform focused: open its sound panel; in the sound browser's list: import "
                         "the selected files from the selected slot on")},
        {tr("S05, 5, FW"), tr("Typed in the bank table: select that bank")},
        {tr("Left, Right, Home"), tr("In the sound panel, with the source focused: move the window (with Shift, "
                                     "further); Home: to the source's start")},
        {tr("Enter, Escape"), tr("In the sound panel: Apply, Cancel")},
        {key(Qt::Key_Delete), tr("In the favourite folders: remove the selected folder")},
    };
    for (const QStringList& row : others)
        new QTreeWidgetItem(list, row);
    list->resizeColumnToContents(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(buttons);
    resize(720, 520);
}
