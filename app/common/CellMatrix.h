#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QWidget>

#include <algorithm>

// One column of the slot rows, as the layout file lays it out: the widgets named "<name>_<n>",
// each carrying its slot number in the dynamic property "tag". The layout decides how many rows
// there are; the code only asks.
template <class Cell> class CellMatrix {
public:
    CellMatrix() = default;
    CellMatrix(const QWidget& window, const QString& name)
    {
        const QRegularExpression pattern(QStringLiteral("^%1_\\d+$").arg(QRegularExpression::escape(name)));
        m_cells = window.findChildren<Cell*>(pattern);
        std::sort(m_cells.begin(), m_cells.end(), [](const Cell* a, const Cell* b) { return tagOf(a) < tagOf(b); });
    }

    static int tagOf(const QObject* cell) { return cell->property("tag").toInt(); }

    int numberOfRows() const { return static_cast<int>(m_cells.size()); }

    Cell* cellWithTag(int tag) const
    {
        for (Cell* cell : m_cells)
            if (tagOf(cell) == tag)
                return cell;
        return nullptr;
    }

    const QList<Cell*>& cells() const { return m_cells; }

    void setEnabled(bool enabled) const
    {
        for (Cell* cell : m_cells)
            cell->setEnabled(enabled);
    }

private:
    QList<Cell*> m_cells;
};
