#include "app/window/HelpMenu.h"

#include "app/window/ManualWindow.h"
#include "app/window/ShortcutsWindow.h"

#include <QAction>
#include <QMenu>

HelpMenu::HelpMenu(QWidget& window, const QMenuBar& menus, QMenu& help, QAction* about)
    : QObject(&window)
    , m_window(window)
    , m_menus(menus)
{
    auto* shortcuts = new QAction(tr("&Keyboard Shortcuts"), &window);
    shortcuts->setObjectName(QStringLiteral("menu_shortcuts"));
    auto* manual = new QAction(tr("ZYLOX 515 Editor &Manual"), &window);
    manual->setObjectName(QStringLiteral("menu_manual"));
    manual->setShortcut(QKeySequence::HelpContents);
    help.insertAction(about, manual);
    help.insertAction(about, shortcuts);
    help.insertSeparator(about);
    connect(shortcuts, &QAction::triggered, this, &HelpMenu::showShortcuts);
    connect(manual, &QAction::triggered, this, &HelpMenu::showManual);
}

HelpMenu::~HelpMenu() = default;

void HelpMenu::showShortcuts()
{
    // Read when first asked for: by then every room has put its items into the menus.
    if (!m_shortcuts)
        m_shortcuts = std::make_unique<ShortcutsWindow>(m_menus, &m_window);
    m_shortcuts->show();
    m_shortcuts->raise();
    m_shortcuts->activateWindow();
}

void HelpMenu::showManual()
{
    if (!m_manual)
        m_manual = std::make_unique<ManualWindow>(&m_window);
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}
