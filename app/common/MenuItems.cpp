#include "app/common/MenuItems.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QString>

namespace MenuItems {

void insertAfter(QMenu& menu, QAction* after, QAction* item)
{
    const QList<QAction*> actions = menu.actions();
    const qsizetype next = actions.indexOf(after) + 1;
    menu.insertAction(next > 0 && next < actions.size() ? actions[next] : nullptr, item);
}

void setReason(QAction& item, const QString& reason)
{
    item.setToolTip(reason);
    item.setStatusTip(reason);
}

} // namespace MenuItems
