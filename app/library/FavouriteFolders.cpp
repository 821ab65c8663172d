#include "app/library/FavouriteFolders.h"

#include "app/settings/Settings.h"

#include <QAbstractButton>
#include <QDir>
#include <QKeyEvent>
#include <QListWidget>

namespace {

const QString kKey = QStringLiteral("browser/favourites");

} // namespace

FavouriteFolders::FavouriteFolders(Settings& settings, QListWidget& list, QAbstractButton& add, QAbstractButton& remove,
                                   std::function<QString()> shownFolder, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_list(list)
    , m_remove(remove)
    , m_shownFolder(std::move(shownFolder))
{
    show(m_settings.value(kKey).toStringList());
    connect(&add, &QAbstractButton::clicked, this, &FavouriteFolders::add);
    connect(&remove, &QAbstractButton::clicked, this, &FavouriteFolders::remove);
    const auto go = [this](const QListWidgetItem* item) { emit chosen(item->data(Qt::UserRole).toString()); };
    connect(&m_list, &QListWidget::itemClicked, this, go);
    connect(&m_list, &QListWidget::itemActivated, this, go);
    connect(&m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_remove.setEnabled(row >= 0); });
    m_remove.setEnabled(false);
    m_list.installEventFilter(this);
}

bool FavouriteFolders::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_list && event->type() == QEvent::KeyPress
        && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        remove();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void FavouriteFolders::add()
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

void FavouriteFolders::remove()
{
    const int row = m_list.currentRow();
    if (row < 0)
        return;
    QStringList kept = folders();
    kept.removeAt(row);
    m_settings.setValue(kKey, kept);
    show(kept);
}

void FavouriteFolders::show(const QStringList& folders)
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

QStringList FavouriteFolders::folders() const
{
    QStringList kept;
    for (int row = 0; row < m_list.count(); ++row)
        kept << m_list.item(row)->data(Qt::UserRole).toString();
    return kept;
}
