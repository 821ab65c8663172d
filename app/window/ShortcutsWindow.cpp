#include "app/window/ShortcutsWindow.h"

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

ShortcutsWindow::ShortcutsWindow(const QMenuBar& menus, QWidget* parent)
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
    // Keys by the names the desktop gives them, in the window's language.
    const auto keys = [](std::initializer_list<QKeySequence> sequences) {
        QStringList names;
        for (const QKeySequence& sequence : sequences)
            names << sequence.toString(QKeySequence::NativeText);
        return names.join(QStringLiteral(", "));
    };
    const QList<QStringList> others{
        {tr("%1 to %2").arg(keys({Qt::CTRL | Qt::Key_1}), keys({Qt::CTRL | Qt::Key_6})),
         tr("Import a sound into slot 1 to 6 of the selected bank")},
        {tr("%1 to %2").arg(keys({Qt::ALT | Qt::Key_1}), keys({Qt::ALT | Qt::Key_6})),
         tr("With the pads shown: play pad 1 to 6, a slot of the bank on show")},
        {keys({Qt::Key_Space}),
         tr("Play the selected slot, or stop it; in the sound browser's lists, the selected file")},
        {keys({Qt::CTRL | Qt::Key_E}), tr("Open the selected slot's sound panel")},
        {keys({Qt::Key_Up, Qt::Key_Down}), tr("With a slot's waveform focused: select the slot above or below")},
        {keys({Qt::Key_Return}),
         tr("With a slot's waveform focused: open its sound panel; in the sound browser's lists: "
            "import the selected files from the selected slot on")},
        {tr("S05, 5, FW"), tr("Typed in the bank table: select that bank")},
        {keys({Qt::CTRL | Qt::Key_F}), tr("Go to the sound browser's filter over the names of the files listed")},
        {keys({Qt::CTRL | Qt::SHIFT | Qt::Key_F}), tr("Go to the search field of the sound browser's library")},
        {tr("kick"), tr("Typed in the sound browser's list: select the file whose name starts so")},
        {keys({Qt::Key_Left, Qt::Key_Right}), tr("In the sound panel, with the source focused: move the window (with "
                                                 "Shift, further)")},
        {keys({Qt::Key_Home}),
         tr("In the sound panel, with the source focused: move the window to the source's start")},
        {keys({Qt::Key_Return, Qt::Key_Escape}), tr("In the sound panel: Apply, Cancel")},
        {keys({Qt::Key_Escape}), tr("While a pad waits for its note from the MIDI controller: stop waiting")},
        {keys({Qt::Key_Delete}), tr("In the favourite folders: remove the selected folder")},
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
