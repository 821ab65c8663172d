#include "app/banks/CBankSelection.h"

#include "app/banks/CBankTableModel.h"
#include "app/banks/CBankTypeAhead.h"
#include "app/common/CCellMatrix.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QRadioButton>
#include <QTableView>

CBankSelection::CBankSelection(QTableView& table, QWidget& window, const CWorkingBanks& banks,
                               int visibleBanks, QObject* parent)
    : QObject(parent)
    , m_table(table)
    , m_visibleBanks(visibleBanks)
    , m_options(new QButtonGroup(this))
{
    const CCellMatrix<QRadioButton> options(window, QStringLiteral("radiobutton_options"));
    for (QRadioButton* option : options.cells())
        m_options->addButton(option, CCellMatrix<QRadioButton>::tagOf(option));

    m_model = new CBankTableModel(banks, visibleBanks, this);
    m_table.setModel(m_model);
    m_table.verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table.horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    new CBankTypeAhead(m_table);

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

int CBankSelection::currentRow() const
{
    const QModelIndexList rows = m_table.selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    const int row = rows.constFirst().row();
    return row < m_visibleBanks ? row : -1;
}

void CBankSelection::selectRow(int row)
{
    m_table.selectRow(row);
}

bool CBankSelection::allBanksChosen() const
{
    return m_options->checkedId() != 0;
}

void CBankSelection::reloadData()
{
    m_model->reloadData();
}
