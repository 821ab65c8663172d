#pragma once

#include <QObject>

#include <memory>

class ManualWindow;
class ShortcutsWindow;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The Help menu's Manual (F1) and Keyboard Shortcuts, before About. Each opens a window that does not
// block the editor, so the user can read on while working; a second choice brings the open one to
// the front.
class HelpMenu : public QObject {
    Q_OBJECT
public:
    // Adds the items to help before about; the window and its menus stay the caller's.
    HelpMenu(QWidget& window, const QMenuBar& menus, QMenu& help, QAction* about);
    ~HelpMenu() override;

private:
    void showShortcuts();
    void showManual();

    QWidget& m_window;
    const QMenuBar& m_menus;
    std::unique_ptr<ShortcutsWindow> m_shortcuts;
    std::unique_ptr<ManualWindow> m_manual;
};
