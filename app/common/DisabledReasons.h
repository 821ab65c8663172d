#pragma once

#include <QList>
#include <QObject>

class QAbstractButton;

// A disabled button that is pressed anyway says why it is disabled, in the status line: its
// tooltip holds the reason while it is disabled, so the mouse that missed the tooltip still learns it.
class DisabledReasons : public QObject {
    Q_OBJECT
public:
    // The buttons stay the window's and must outlive this.
    explicit DisabledReasons(const QList<QAbstractButton*>& buttons, QObject* parent = nullptr);

signals:
    void status(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
