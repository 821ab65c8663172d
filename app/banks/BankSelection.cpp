#include "app/banks/BankSelection.h"

#include "app/banks/BankTableModel.h"
#include "app/banks/BankTypeAhead.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

BankSelection::BankSelection(QTableView& table, std::initializer_list<QAbstractButton*> options,
                             const WorkingBanks& banks, int visibleBanks, QObject* parent)
    : QObject(parent)
    , m_table(table)
    , m_visibleBanks(visibleBanks)
    , m_options(new QButtonGroup(this))
    , m_model(std::make_unique<BankTableModel>(banks, visibleBanks))
    , m_typeAhead(std::make_unique<BankTypeAhead>(table))
{
    int id = 0;
    for (QAbstractButton* option : options)
        m_options->addButton(option, id++);

    m_table.setModel(m_model.get());
    m_table.verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table.horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    connect(m_table.selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        // The table always keeps one row selected: a cleared selection falls back to the last row.
        const int row = currentRow();
        if (row < 0) {
            if (m_lastSelectedRow >= 0)
                selectRow(m_lastSelectedRow);
            return;
        }
        m_lastSelectedRow = row;
        emit rowChanged();
    });
}

BankSelection::~BankSelection()
{
    // The table outlives its model by a moment while the window goes: it must not ask it for rows,
    // and its selection emptied meanwhile is no choice of the user's.
    m_table.selectionModel()->disconnect(this);
    m_table.setModel(nullptr);
}

int BankSelection::currentRow() const
{
    const QModelIndexList rows = m_table.selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    const int row = rows.constFirst().row();
    return row < m_visibleBanks ? row : -1;
}

void BankSelection::selectRow(int row)
{
    m_table.selectRow(row);
}

bool BankSelection::allBanksChosen() const
{
    return m_options->checkedId() != 0;
}

void BankSelection::reloadData()
{
    m_model->reloadData();
}
