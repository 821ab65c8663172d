#pragma once

#include <QObject>

class CBankTableModel;
class CWorkingBanks;
class QButtonGroup;
class QTableView;
class QWidget;

// What the user has chosen to act on: the row of the bank table, which always keeps one row
// selected and answers to typed bank numbers, and the bank options, "Current bank" or "All banks".
class CBankSelection : public QObject {
    Q_OBJECT
public:
    // The table shows banks, its first visibleBanks rows; the options are the window's radio
    // buttons "radiobutton_options_<n>". The table, the window and banks must outlive this.
    CBankSelection(QTableView& table, QWidget& window, const CWorkingBanks& banks,
                   int visibleBanks, QObject* parent);

    // The selected row, or -1 when none is selected.
    int currentRow() const;
    void selectRow(int row);
    bool allBanksChosen() const;
    QButtonGroup& options() { return *m_options; }
    // The banks' names shown again; the selection stays where it is.
    void reloadData();

signals:
    void rowChanged();

private:
    QTableView& m_table;
    int m_visibleBanks;
    CBankTableModel* m_model = nullptr;
    QButtonGroup* m_options = nullptr;
    int m_lastSelectedRow = -1;
};
