#pragma once

#include <QObject>

#include <vector>

class QAction;
class QWidget;

// Menu items that stand for a button (Open…, Save…, Save As…, Send) are enabled exactly when their
// button is, whatever changed the button, so a shortcut never does what the button would refuse.
class MenuValidation : public QObject {
    Q_OBJECT
public:
    struct Item {
        QAction* item;
        QWidget* button;
    };

    // The items and buttons stay the window's and must outlive this.
    explicit MenuValidation(std::vector<Item> items, QObject* parent = nullptr);

    void validateMenus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<Item> m_items;
};
