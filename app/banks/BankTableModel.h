#pragma once

#include <QAbstractTableModel>

class WorkingBanks;

// The bank table's data source: one row per visible bank, showing its number ("S05", "FW") and the
// working bank's name.
class BankTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    BankTableModel(const WorkingBanks& banks, int visibleBanks, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Asks the table to show the banks' names again; the selection stays where it is.
    void reloadData();

private:
    const WorkingBanks& m_banks;
    int m_visibleBanks;
};
