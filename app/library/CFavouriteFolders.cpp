#include "app/library/CFavouriteFolders.h"

#include "app/settings/CSettings.h"

#include <QAbstractButton>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>

namespace {

const QString kKey = QStringLiteral("browser/favourites");

} // namespace

CFavouriteFolders::CFavouriteFolders(CSettings& settings, QListWidget& list, QAbstractButton& add,
                                     QAbstractButton& remove, std::function<QString()> shownFolder, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_list(list)
    , m_remove(remove)
    , m_shownFolder(std::move(shownFolder))
{
    show(m_settings.value(kKey).toStringList());
    connect(&add, &QAbstractButton::clicked, this, &CFavouriteFolders::add);
    connect(&remove, &QAbstractButton::clicked, this, &CFavouriteFolders::remove);
    const auto go = [this](const QListWidgetItem* item) { emit chosen(item->data(Qt::UserRole).toString()); };
    connect(&m_list, &QListWidget::itemClicked, this, go);
    connect(&m_list, &QListWidget::itemActivated, this, go);
    connect(&m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_remove.setEnabled(row >= 0); });
    m_remove.setEnabled(false);
    m_list.installEventFilter(this);
}

bool CFavouriteFolders::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_list && event->type() == QEvent::KeyPress
        && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        remove();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void CFavouriteFolders::add()
{
    const QString folder = m_shownFolder();
    QStringList kept = folders();
    if (folder.isEmpty())
        return;
    if (!kept.contains(folder)) {
        kept << folder;
        m_settings.setValue(kKey, kept);
        show(kept);
    }
    m_list.setCurrentRow(static_cast<int>(kept.indexOf(folder)));
}

void CFavouriteFolders::remove()
{
    const int row = m_list.currentRow();
    if (row < 0)
        return;
    QStringList kept = folders();
    kept.removeAt(row);
    m_settings.setValue(kKey, kept);
    show(kept);
}

void CFavouriteFolders::show(const QStringList& folders)
{
    m_list.clear();
    for (const QString& folder : folders) {
        // The folder's own name is what the user recognises; the whole path is a hover away.
        const QString name = QDir(folder).dirName();
        auto* item = new QListWidgetItem(name.isEmpty() ? folder : name, &m_list);
        item->setData(Qt::UserRole, folder);
        item->setToolTip(QDir::toNativeSeparators(folder));
    }
    m_remove.setEnabled(m_list.currentRow() >= 0);
}

QStringList CFavouriteFolders::folders() const
{
    QStringList kept;
    for (int row = 0; row < m_list.count(); ++row)
        kept << m_list.item(row)->data(Qt::UserRole).toString();
    return kept;
}
