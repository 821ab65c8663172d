#include "app/library/FileListLook.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QTableView>

#include <algorithm>

void lookAsFileList(QTableView& list)
{
    list.setTextElideMode(Qt::ElideMiddle);
    list.setShowGrid(false);
    list.setWordWrap(false);
    list.setTabKeyNavigation(false);
    list.setCornerButtonEnabled(false);
    list.verticalHeader()->hide();
    list.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list.verticalHeader()->setDefaultSectionSize(list.fontMetrics().height() + 6);
    list.horizontalHeader()->setHighlightSections(false);
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.setSelectionBehavior(QAbstractItemView::SelectRows);
    list.setDragEnabled(true);
    list.setDragDropMode(QAbstractItemView::DragOnly);
    list.setDefaultDropAction(Qt::CopyAction);
    list.horizontalHeader()->setStretchLastSection(false);
}

void sizeColumnsToTexts(QTableView& list, std::initializer_list<int> columns,
                        const std::function<QStringList(int column)>& widestTexts)
{
    QHeaderView& header = *list.horizontalHeader();
    const QFontMetrics cells(list.font());
    const int padding
        = 2 * list.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header) + cells.averageCharWidth();
    for (const int column : columns) {
        int widest = header.fontMetrics().horizontalAdvance(
            list.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        for (const QString& text : widestTexts(column))
            widest = std::max(widest, cells.horizontalAdvance(text));
        header.setSectionResizeMode(column, QHeaderView::Interactive);
        header.resizeSection(column, widest + padding);
    }
}

bool isPlainKey(const QKeyEvent& key, std::initializer_list<int> keys)
{
    return (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
           && std::find(keys.begin(), keys.end(), key.key()) != keys.end();
}
