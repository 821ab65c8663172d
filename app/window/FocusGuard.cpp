#include "app/window/FocusGuard.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

FocusGuard::FocusGuard(QWidget& safe, std::initializer_list<QWidget*> guarded)
    : QObject(&safe)
    , m_safe(safe)
    , m_guarded(guarded)
{
    connect(qApp, &QApplication::focusChanged, this, &FocusGuard::focusChanged);
}

void FocusGuard::focusChanged(QWidget* old, QWidget* now)
{
    if (old != nullptr && !old->isEnabled() && std::find(m_guarded.begin(), m_guarded.end(), now) != m_guarded.end())
        m_safe.setFocus(Qt::OtherFocusReason);
}
