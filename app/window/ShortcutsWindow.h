#pragma once

#include <QDialog>

class QMenuBar;

// Help → Keyboard Shortcuts: every key of the window in one list. The menus' keys are read from
// the menus themselves, named by their menu and item as the user finds them there; the keys that
// belong to no menu item (a slot's, the sound panel's, the browser's) follow, with where they work.
class ShortcutsWindow : public QDialog {
    Q_OBJECT
public:
    // The menu bar is read once, as it stands now.
    ShortcutsWindow(const QMenuBar& menus, QWidget* parent);
};
