#include "app/library/NameFilter.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QSortFilterProxyModel>

NameFilter::NameFilter(QWidget& window, QAbstractItemModel& files, int column, QAbstractItemView& list,
                       std::function<void()> show, QObject* parent)
    : QObject(parent)
    , m_list(list)
    , m_column(column)
    , m_show(std::move(show))
    , m_shown(new QSortFilterProxyModel(this))
    , m_field(new QLineEdit)
{
    m_shown->setSourceModel(&files);
    m_shown->setFilterKeyColumn(column);
    m_shown->setFilterCaseSensitivity(Qt::CaseInsensitive);
    list.setModel(m_shown);
    m_field->setObjectName(QStringLiteral("textfield_browserFilter"));
    m_field->setAccessibleName(tr("Filter the files by name"));
    m_field->setPlaceholderText(tr("Filter by name (Ctrl+F)"));
    m_field->setToolTip(tr("Shows only the files whose names hold what is typed here; Down goes to the list"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, m_shown, &QSortFilterProxyModel::setFilterFixedString);
    // The window's one finding key: the library's search may take it over.
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), &window);
    find->setObjectName(QStringLiteral("shortcut_findInBrowser"));
    connect(find, &QShortcut::activated, this, &NameFilter::goToField);
}

int NameFilter::fileRow(const QModelIndex& shown) const
{
    return shown.isValid() ? m_shown->mapToSource(shown).row() : -1;
}

void NameFilter::goToField()
{
    m_show();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

bool NameFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_field || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const bool onward = key.key() == Qt::Key_Down || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (!onward || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    m_list.setFocus(Qt::OtherFocusReason);
    // Without a file chosen, the first is: focus alone, or a filter that took the chosen file out of
    // view, would leave another current without choosing it, and Enter imports what is chosen.
    if (!m_list.selectionModel()->hasSelection() && m_shown->rowCount() > 0)
        m_list.selectionModel()->setCurrentIndex(m_shown->index(0, m_column),
                                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return true;
}
