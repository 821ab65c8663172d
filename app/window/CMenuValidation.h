#pragma once

#include <QObject>

#include <vector>

class QAction;
class QWidget;

// Menu items that stand for a button (Open…, Save…, Send) are enabled exactly when their button
// is, whatever changed the button, so a shortcut never does what the button would refuse. The
// layout ties an item to its button by the item's "tag".
class CMenuValidation : public QObject {
    Q_OBJECT
public:
    // The buttons and items stay the window's, which owns this.
    CMenuValidation(QWidget& openButton, QWidget& saveButton, QWidget& sendButton, std::vector<QAction*> items,
                    QWidget& window);

    bool validateMenuItem(const QAction& item) const;
    void validateMenus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_openButton;
    QWidget& m_saveButton;
    QWidget& m_sendButton;
    std::vector<QAction*> m_items;
};
