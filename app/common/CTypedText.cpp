#include "app/common/CTypedText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Undo or Redo as the field would take them itself, when it has nothing for them.
bool isIdleUndoKey(const QObject* watched, const QEvent* event)
{
    const auto* field = qobject_cast<const QLineEdit*>(watched);
    if (field == nullptr || event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->matches(QKeySequence::Undo) && !field->isUndoAvailable())
           || (key->matches(QKeySequence::Redo) && !field->isRedoAvailable());
}

} // namespace

CTypedText::CTypedText(QWidget& window, std::function<void()> commit)
    : QObject(&window)
    , m_window(window)
    , m_commit(std::move(commit))
{
    // Shortcuts reach actions, which are no widgets, and drops land on any widget: only the
    // application sees them all before they act.
    qApp->installEventFilter(this);
}

bool CTypedText::actsOnTheBanks(const QObject* watched, const QEvent* event) const
{
    switch (event->type()) {
    case QEvent::Shortcut:
    case QEvent::Drop:
        return true;
    case QEvent::Close:
        return watched == &m_window;
    default:
        return false;
    }
}

bool CTypedText::eventFilter(QObject* watched, QEvent* event)
{
    if (isIdleUndoKey(watched, event) && static_cast<QWidget*>(watched)->window() == &m_window) {
        // Not taken by the field: the key goes on to the shortcuts.
        event->ignore();
        return true;
    }
    if (actsOnTheBanks(watched, event))
        m_commit();
    return QObject::eventFilter(watched, event);
}
