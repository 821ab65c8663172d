#include "app/CBankTableModel.h"

#include "model/IBank.h"

CBankTableModel::CBankTableModel(const std::vector<std::unique_ptr<IBank>>& banks, int visibleBanks, QObject* parent)
    : QAbstractTableModel(parent)
    , m_banks(banks)
    , m_visibleBanks(visibleBanks)
{
}

int CBankTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_visibleBanks;
}

int CBankTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant CBankTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= static_cast<int>(m_banks.size()))
        return {};
    return QString::fromStdString(m_banks[static_cast<std::size_t>(index.row())]->getName());
}

QVariant CBankTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0)
        return tr("Name");
    return QAbstractTableModel::headerData(section, orientation, role);
}

void CBankTableModel::reloadData()
{
    if (m_visibleBanks > 0)
        emit dataChanged(index(0, 0), index(m_visibleBanks - 1, columnCount() - 1), {Qt::DisplayRole});
}
