#pragma once

#include <QObject>

#include <initializer_list>
#include <memory>

class BankTableModel;
class BankTypeAhead;
class WorkingBanks;
class QAbstractButton;
class QButtonGroup;
class QTableView;

// What the user has chosen to act on: the row of the bank table, which always keeps one row
// selected and answers to typed bank numbers, and the bank options, "Current bank" or "All banks".
class BankSelection : public QObject {
    Q_OBJECT
public:
    // The table shows banks, its first visibleBanks rows; options are the radio buttons "Current
    // bank" and "All banks", in that order. They and banks must outlive this.
    BankSelection(QTableView& table, std::initializer_list<QAbstractButton*> options, const WorkingBanks& banks,
                  int visibleBanks, QObject* parent = nullptr);
    ~BankSelection() override;

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
    // Qt's group of the options, a child of this.
    QButtonGroup* m_options = nullptr;
    std::unique_ptr<BankTableModel> m_model;
    std::unique_ptr<BankTypeAhead> m_typeAhead;
    int m_lastSelectedRow = -1;
};
