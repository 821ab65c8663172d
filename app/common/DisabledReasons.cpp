#include "app/common/DisabledReasons.h"

#include <QAbstractButton>
#include <QEvent>

DisabledReasons::DisabledReasons(const QList<QAbstractButton*>& buttons, QObject* parent)
    : QObject(parent)
{
    // A disabled widget drops mouse presses in its own event handling; its filters still see them.
    for (QAbstractButton* button : buttons)
        button->installEventFilter(this);
}

bool DisabledReasons::eventFilter(QObject* watched, QEvent* event)
{
    const auto* button = qobject_cast<const QAbstractButton*>(watched);
    if (event->type() == QEvent::MouseButtonPress && button != nullptr && !button->isEnabled()
        && !button->toolTip().isEmpty())
        emit status(button->toolTip());
    return QObject::eventFilter(watched, event);
}
