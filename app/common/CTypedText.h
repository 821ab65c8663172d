#pragma once

#include <QObject>

#include <functional>

class QWidget;

// What is typed into the window's text fields is the user's work before Return too. A field
// commits its text when it loses the focus (to a click, a dialog or a menu), but a shortcut, a
// drop or closing the window takes no focus from it: before any of those acts on the banks, the
// text being typed is committed. Undo and Redo pressed in a field with nothing of its own to take back or do again
// reach the window's history (Edit › Undo and Redo) instead of doing nothing.
class CTypedText : public QObject {
public:
    // commit finishes the edit in whichever of the window's fields has the focus, if any; the
    // window stays the caller's.
    CTypedText(QWidget& window, std::function<void()> commit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the event is about to let the user act on the banks without the field losing focus.
    bool actsOnTheBanks(const QObject* watched, const QEvent* event) const;

    QWidget& m_window;
    std::function<void()> m_commit;
};
