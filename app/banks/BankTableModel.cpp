#include "app/banks/BankTableModel.h"

#include "app/document/WorkingBanks.h"
#include "model/BankNumber.h"
#include "model/IBank.h"

namespace {

// The number stays beside the name, so a bank renamed or left nameless keeps its place.
enum Column { kNumberColumn, kNameColumn, kColumnCount };

} // namespace

BankTableModel::BankTableModel(const WorkingBanks& banks, int visibleBanks, QObject* parent)
    : QAbstractTableModel(parent)
    , m_banks(banks)
    , m_visibleBanks(visibleBanks)
{
}

int BankTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_visibleBanks;
}

int BankTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant BankTableModel::data(const QModelIndex& index, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::AccessibleTextRole) || !index.isValid()
        || index.row() >= static_cast<int>(m_banks.size()))
        return {};
    const QString number = QString::fromStdString(BankNumber::of(static_cast<std::uint16_t>(index.row())));
    if (index.column() == kNumberColumn)
        return number;
    const QString name = QString::fromStdString(m_banks.bank(static_cast<std::size_t>(index.row())).getName());
    // A screen reader on the name cell, where the keyboard moves, hears which bank it is too.
    return role == Qt::AccessibleTextRole ? tr("%1, %2").arg(number, name) : name;
}

QVariant BankTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == kNumberColumn)
        return tr("Bank");
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == kNameColumn)
        return tr("Name");
    return QAbstractTableModel::headerData(section, orientation, role);
}

void BankTableModel::reloadData()
{
    if (m_visibleBanks > 0)
        emit dataChanged(index(0, 0), index(m_visibleBanks - 1, columnCount() - 1),
                         {Qt::DisplayRole, Qt::AccessibleTextRole});
}
