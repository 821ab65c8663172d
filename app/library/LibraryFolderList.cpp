#include "app/library/LibraryFolderList.h"

#include "app/common/IDialogs.h"
#include "app/common/WindowText.h"
#include "soundlibrary/LibraryFolders.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

using soundlibrary::LibraryFolders;

LibraryFolderList::LibraryFolderList(std::string listPath, std::function<QString()> shownFolder, IDialogs& dialogs,
                                     QObject* parent)
    : QObject(parent)
    , m_listPath(std::move(listPath))
    , m_shownFolder(std::move(shownFolder))
    , m_dialogs(dialogs)
    , m_controls(new QWidget)
    , m_list(new QListWidget)
{
    m_list->setObjectName(QStringLiteral("list_libraryFolders"));
    m_list->setAccessibleName(tr("Library folders"));
    m_list->setMaximumHeight(m_list->fontMetrics().height() * 4);
    m_list->installEventFilter(this);
    auto* choose = new QPushButton(tr("Add Folder\u2026"));
    choose->setObjectName(QStringLiteral("button_chooseLibraryFolder"));
    choose->setToolTip(tr("Choose a folder to add to the library, with the folders in it"));
    auto* addShown = new QPushButton(tr("Add Shown Folder"));
    addShown->setObjectName(QStringLiteral("button_addLibraryFolder"));
    addShown->setToolTip(tr("Add the folder the Folders tab shows, and the folders in it, to the library"));
    m_remove = new QPushButton(tr("Remove"));
    m_remove->setObjectName(QStringLiteral("button_removeLibraryFolder"));
    m_remove->setToolTip(tr("Take the selected folder out of the library; its files stay where they are"));
    auto* rescan = new QPushButton(tr("Rescan"));
    rescan->setObjectName(QStringLiteral("button_rescanLibrary"));
    rescan->setToolTip(tr("Bring the library in step with its folders now"));
    auto* layout = new QGridLayout(m_controls);
    layout->setContentsMargins(0, 0, 0, 0);
    // The buttons beside the list, one above the other: the panel stays as narrow as the folder view's.
    layout->addWidget(m_list, 0, 0, 5, 1);
    layout->addWidget(choose, 0, 1);
    layout->addWidget(addShown, 1, 1);
    layout->addWidget(m_remove, 2, 1);
    layout->addWidget(rescan, 3, 1);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(0, 1);
    connect(choose, &QPushButton::clicked, this, &LibraryFolderList::choose);
    connect(addShown, &QPushButton::clicked, this, [this] { add(QFile::encodeName(m_shownFolder()).toStdString()); });
    connect(m_remove, &QPushButton::clicked, this, &LibraryFolderList::remove);
    connect(rescan, &QPushButton::clicked, this, &LibraryFolderList::rescan);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_remove->setEnabled(row >= 0); });
    m_remove->setEnabled(false);
}

void LibraryFolderList::reload()
{
    const LibraryFolders list = LibraryFolders::load(m_listPath);
    if (list.failure())
        emit status(tr("The library's folders could not be read: %1").arg(WindowText::of(list.failure().text())));
    show(list.folders());
}

void LibraryFolderList::show(const std::vector<std::string>& folders)
{
    if (folders == m_folders && m_list->count() == static_cast<int>(folders.size()))
        return;
    m_folders = folders;
    m_list->clear();
    for (const std::string& folder : folders)
        m_list->addItem(QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(folder))));
    m_remove->setEnabled(m_list->currentRow() >= 0);
    emit changed(m_folders);
}

void LibraryFolderList::choose()
{
    const std::string folder = m_dialogs.runFolderPanel(tr("Add Folder to the Library"));
    if (!folder.empty())
        add(folder);
}

void LibraryFolderList::add(const std::string& folder)
{
    LibraryFolders list = LibraryFolders::load(m_listPath);
    if (const auto refused = list.add(folder)) {
        emit status(tr("Not added to the library: %1").arg(WindowText::of(refused.text())));
        return show(list.folders());
    }
    emit status(tr("\u201C%1\u201D is in the library now: its sounds are being scanned")
                    .arg(QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(folder)))));
    show(list.folders());
}

void LibraryFolderList::remove()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_folders.size()))
        return;
    LibraryFolders list = LibraryFolders::load(m_listPath);
    if (const auto refused = list.remove(m_folders[static_cast<std::size_t>(row)])) {
        emit status(tr("Not removed from the library: %1").arg(WindowText::of(refused.text())));
        return show(list.folders());
    }
    show(list.folders());
}

bool LibraryFolderList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        remove();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
