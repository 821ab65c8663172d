#include "app/window/CMenuValidation.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

CMenuValidation::CMenuValidation(std::vector<Item> items, QObject* parent)
    : QObject(parent)
    , m_items(std::move(items))
{
    for (const Item& item : m_items)
        item.button->installEventFilter(this);
}

void CMenuValidation::validateMenus()
{
    for (const Item& item : m_items)
        item.item->setEnabled(item.button->isEnabled());
}

bool CMenuValidation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        validateMenus();
    return QObject::eventFilter(watched, event);
}
