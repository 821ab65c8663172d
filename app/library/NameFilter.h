#pragma once

#include <QObject>

#include <functional>

class QAbstractItemModel;
class QAbstractItemView;
class QLineEdit;
class QSortFilterProxyModel;
class QWidget;

// The filter over the names of the files listed: a field above the list that shows only the files
// whose names hold what is typed (whatever the case), reached from anywhere in the window by
// Ctrl+F; Down or Enter there goes on to the list.
class NameFilter : public QObject {
    Q_OBJECT
public:
    // The list shows files through the filter from now on; column is the names'. show brings the
    // list into view before Ctrl+F goes to the field. Everything stays the caller's.
    NameFilter(QWidget& window, QAbstractItemModel& files, int column, QAbstractItemView& list,
               std::function<void()> show, QObject* parent);

    QLineEdit& field() { return *m_field; }
    // The row of files an index of the list stands for; -1 for none.
    int fileRow(const QModelIndex& shown) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void goToField();

    QAbstractItemView& m_list;
    int m_column;
    std::function<void()> m_show;
    QSortFilterProxyModel* m_shown;
    QLineEdit* m_field;
};
