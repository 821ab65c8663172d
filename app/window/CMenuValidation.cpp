#include "app/window/CMenuValidation.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

namespace {

constexpr int kTagOpen = 1;
constexpr int kTagSave = 2;
constexpr int kTagSend = 3;

} // namespace

CMenuValidation::CMenuValidation(QWidget& openButton, QWidget& saveButton, QWidget& sendButton,
                                 std::vector<QAction*> items, QWidget& window)
    : QObject(&window)
    , m_openButton(openButton)
    , m_saveButton(saveButton)
    , m_sendButton(sendButton)
    , m_items(std::move(items))
{
    for (QWidget* button : {&m_openButton, &m_saveButton, &m_sendButton})
        button->installEventFilter(this);
}

bool CMenuValidation::validateMenuItem(const QAction& item) const
{
    switch (item.property("tag").toInt()) {
    case kTagOpen:
        return m_openButton.isEnabled();
    case kTagSave:
        return m_saveButton.isEnabled();
    case kTagSend:
        return m_sendButton.isEnabled();
    default:
        return true;
    }
}

void CMenuValidation::validateMenus()
{
    for (QAction* item : m_items)
        item->setEnabled(validateMenuItem(*item));
}

bool CMenuValidation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        validateMenus();
    return QObject::eventFilter(watched, event);
}
