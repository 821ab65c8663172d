#pragma once

class QAction;
class QMenu;
class QString;

// What the rooms that add items to the window's menus all do with them.
namespace MenuItems {

// Puts item into menu right after after; at the end where after is the last or not in it.
void insertAfter(QMenu& menu, QAction* after, QAction* item);
// Why the item cannot act now, where a disabled item is pointed at (as a disabled button's reason
// stands); empty while it can.
void setReason(QAction& item, const QString& reason);

} // namespace MenuItems
