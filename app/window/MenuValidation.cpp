#include "app/window/MenuValidation.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

MenuValidation::MenuValidation(std::vector<Item> items, QObject* parent)
    : QObject(parent)
    , m_items(std::move(items))
{
    for (const Item& item : m_items)
        item.button->installEventFilter(this);
}

void MenuValidation::validateMenus()
{
    for (const Item& item : m_items)
        item.item->setEnabled(item.button->isEnabled());
}

bool MenuValidation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        validateMenus();
    return QObject::eventFilter(watched, event);
}
