#pragma once

#include <QObject>

#include <initializer_list>
#include <vector>

class QWidget;

// Keeps keyboard focus off buttons that destroy or overwrite something (Reset to Default, Send)
// when the user did not put it there: when a focused control is disabled for a moment, Qt hands
// focus on along the tab order, and the next Space would press whatever came next.
class FocusGuard : public QObject {
public:
    // Focus handed on to one of the guarded widgets by a control that was disabled goes to safe
    // instead; Tab and clicks still reach them.
    FocusGuard(QWidget& safe, std::initializer_list<QWidget*> guarded);

private:
    void focusChanged(QWidget* old, QWidget* now);

    QWidget& m_safe;
    std::vector<QWidget*> m_guarded;
};
