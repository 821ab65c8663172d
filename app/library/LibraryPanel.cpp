#include "app/library/LibraryPanel.h"

#include "app/common/WindowText.h"
#include "app/library/BrowserPlayer.h"
#include "app/library/FileListLook.h"
#include "app/library/LibraryFilters.h"
#include "app/library/LibraryFolderList.h"
#include "app/library/LibraryIndex.h"
#include "app/library/LibraryResultModel.h"
#include "app/library/LibraryWatch.h"
#include "soundlibrary/LibraryLocation.h"
#include "soundlibrary/LibraryWords.h"

#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

using soundlibrary::LibraryEntry;

namespace {

// While a scan goes, the list shows what it found this often.
constexpr qint64 kScanRowsMs = 1000;
// The folders of the rows shown are watched once the user has stopped typing this long: watching
// and unwatching hundreds of folders at each key would cost the window's thread.
constexpr int kWatchAfterMs = 1000;

} // namespace

LibraryPanel::LibraryPanel(QWidget& window, Settings& settings, IDialogs& dialogs, BrowserPlayer& player,
                           std::function<QString()> shownFolder, std::function<std::optional<double>()> slotSeconds,
                           std::function<void()> showTab, QObject* parent)
    : QObject(parent)
    , m_player(player)
    , m_showTab(std::move(showTab))
    , m_model(new LibraryResultModel(this))
    , m_filters(new LibraryFilters(settings, std::move(slotSeconds), this))
    , m_folders(new LibraryFolderList(soundlibrary::libraryFoldersPath(), std::move(shownFolder), dialogs, this))
    , m_watch(new LibraryWatch(this))
    , m_watchLater(new QTimer(this))
{
    build(window);
    connectParts();
}

LibraryPanel::~LibraryPanel()
{
    m_index.reset();
}

void LibraryPanel::build(QWidget& window)
{
    m_tab = new QWidget;
    m_tab->setObjectName(QStringLiteral("tab_library"));
    m_field = new QLineEdit;
    m_field->setObjectName(QStringLiteral("textfield_librarySearch"));
    m_field->setAccessibleName(tr("Search the sound library"));
    m_field->setPlaceholderText(tr("Search the library (Ctrl+Shift+F)"));
    m_field->setToolTip(tr("Finds the sounds whose names or folders have words that start with each word typed; "
                           "Down goes to the list"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    makeList();
    m_scanLine = new QLabel;
    m_scanLine->setObjectName(QStringLiteral("text_libraryScan"));
    m_scanLine->setWordWrap(true);
    m_countsLine = new QLabel;
    m_countsLine->setObjectName(QStringLiteral("text_libraryCounts"));
    m_countsLine->setWordWrap(true);
    auto* layout = new QVBoxLayout(m_tab);
    layout->addWidget(m_folders->controls());
    layout->addWidget(m_field);
    layout->addWidget(m_filters->controls());
    layout->addWidget(m_list, 1);
    layout->addWidget(m_scanLine);
    layout->addWidget(m_countsLine);
    m_tab->installEventFilter(this);
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), &window);
    find->setObjectName(QStringLiteral("shortcut_searchLibrary"));
    connect(find, &QShortcut::activated, this, &LibraryPanel::goToField);
}

void LibraryPanel::makeList()
{
    m_list = new QTableView;
    m_list->setObjectName(QStringLiteral("list_library"));
    m_list->setAccessibleName(tr("Library sounds"));
    m_list->setModel(m_model);
    lookAsFileList(*m_list);
    m_list->horizontalHeader()->setSectionResizeMode(LibraryResultModel::Name, QHeaderView::Stretch);
    m_list->horizontalHeader()->setSectionResizeMode(LibraryResultModel::Folder, QHeaderView::Stretch);
    sizeColumnsToTexts(*m_list,
                       {LibraryResultModel::Play, LibraryResultModel::Length, LibraryResultModel::Loudness,
                        LibraryResultModel::LeadIn},
                       &LibraryResultModel::widestTexts);
    m_list->installEventFilter(this);
}

void LibraryPanel::connectParts()
{
    connect(m_field, &QLineEdit::textChanged, this, &LibraryPanel::search);
    connect(m_filters, &LibraryFilters::changed, this, &LibraryPanel::search);
    connect(m_folders, &LibraryFolderList::status, this, &LibraryPanel::status);
    connect(m_folders, &LibraryFolderList::changed, this, [this](const std::vector<std::string>& folders) {
        m_filters->setFolders(folders);
        if (m_index) {
            m_index->scan(folders);
            watch();
        }
    });
    connect(m_folders, &LibraryFolderList::rescan, this, [this] {
        if (m_index)
            m_index->scan(m_folders->folders());
    });
    connect(m_watch, &LibraryWatch::changed, this, [this](const QString& folder) {
        if (m_index)
            m_index->scanFolder(QFile::encodeName(folder).toStdString());
    });
    m_watchLater->setSingleShot(true);
    m_watchLater->setInterval(kWatchAfterMs);
    connect(m_watchLater, &QTimer::timeout, this, &LibraryPanel::watch);
    connect(&m_player, &BrowserPlayer::playingChanged, m_model, &LibraryResultModel::setPlaying);
    connect(m_list, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == LibraryResultModel::Play)
            play(index.row());
    });
}

void LibraryPanel::startIfUsed()
{
    m_folders->reload();
    if (!m_folders->folders().empty())
        start();
}

void LibraryPanel::start()
{
    if (m_index)
        return;
    const std::string indexPath = soundlibrary::libraryDatabasePath();
    m_index = std::make_unique<LibraryIndex>(indexPath, nullptr);
    connect(m_index.get(), &LibraryIndex::opened, this, [this, indexPath](const soundlibrary::LibraryOpening& opening) {
        if (const Text told = soundlibrary::openingText(opening, indexPath); !told.empty())
            emit status(WindowText::of(told));
    });
    connect(m_index.get(), &LibraryIndex::scanned, this, &LibraryPanel::showScan);
    connect(m_index.get(), &LibraryIndex::counted, this, &LibraryPanel::showCounts);
    connect(m_index.get(), &LibraryIndex::indexChanged, this, &LibraryPanel::refresh);
    connect(m_index.get(), &LibraryIndex::found, this, &LibraryPanel::take);
    connect(m_index.get(), &LibraryIndex::searchFailed, this, [this](const QString& systemText) {
        m_countsLine->setText(tr("The library could not be searched: %1").arg(systemText));
    });
    m_index->scan(m_folders->folders());
    watch();
    search();
}

void LibraryPanel::watch()
{
    QStringList roots;
    for (const std::string& folder : m_folders->folders())
        roots << QFile::decodeName(QByteArray::fromStdString(folder));
    m_watch->watch(roots, m_model->folders());
}

void LibraryPanel::search()
{
    if (!m_index)
        return;
    m_query = {};
    m_query.text = m_field->text().toStdString();
    m_query.mostRanked = soundlibrary::SearchQuery::kListMostRanked;
    m_filters->apply(m_query);
    m_refreshing = false;
    m_refreshDue = false;
    m_searchShown = false;
    m_search = m_index->search(m_query);
}

void LibraryPanel::refresh()
{
    // A search on its way shows the index as it is now; the one after it would again.
    if (!m_searchShown) {
        m_refreshDue = true;
        return;
    }
    m_refreshing = true;
    m_searchShown = false;
    m_refreshRows.clear();
    m_search = m_index->search(m_query);
}

void LibraryPanel::take(unsigned search, const std::vector<LibraryEntry>& rows, bool first, bool last)
{
    if (search != m_search)
        return;
    if (!m_refreshing) {
        m_model->take(rows, first, last);
    } else {
        m_refreshRows.insert(m_refreshRows.end(), rows.begin(), rows.end());
        if (!last)
            return;
        const QByteArray current = m_model->file(m_list->currentIndex().row());
        const int column = std::max(m_list->currentIndex().column(), 0);
        if (!m_model->refresh(std::move(m_refreshRows)) && m_model->rowOf(current) >= 0)
            m_list->setCurrentIndex(m_model->index(m_model->rowOf(current), column));
        m_refreshRows.clear();
    }
    if (!last)
        return;
    m_searchShown = true;
    m_watchLater->start();
    if (m_refreshDue) {
        m_refreshDue = false;
        refresh();
    }
}

void LibraryPanel::showScan(const soundlibrary::ScanProgress& progress)
{
    const bool going = !progress.finished && !progress.cancelled && progress.failure.empty();
    if (m_folders->folders().empty())
        m_scanLine->setText(tr("The library has no folders yet: press Add Folder\u2026 to choose one, or show one in "
                               "the Folders tab and press Add Shown Folder"));
    else
        m_scanLine->setText(
            WindowText::of(going ? soundlibrary::scanningText(progress) : soundlibrary::scanEndText(progress)));
    // A first scan of a large library takes a while: what it found so far is shown as it goes.
    if (going && !m_sinceScanShown.isValid())
        m_sinceScanShown.start();
    if (going && m_sinceScanShown.elapsed() >= kScanRowsMs) {
        m_sinceScanShown.restart();
        refresh();
    }
    if (!going)
        m_sinceScanShown.invalidate();
    if (!going && (!progress.failure.empty() || !progress.missingFolders.empty()))
        emit status(WindowText::of(soundlibrary::scanEndText(progress)));
}

void LibraryPanel::showCounts(const soundlibrary::LibraryCounts& counts)
{
    m_countsLine->setText(WindowText::of(soundlibrary::countsText(counts)));
}

void LibraryPanel::followSlot()
{
    if (!m_filters->followsSlot())
        return;
    soundlibrary::SearchQuery now;
    m_filters->apply(now);
    if (now.longestSeconds != m_query.longestSeconds)
        search();
}

void LibraryPanel::goToField()
{
    m_showTab();
    followSlot();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void LibraryPanel::goToList()
{
    m_list->setFocus(Qt::OtherFocusReason);
    // Without a row chosen, the first is: focus alone would make one current without choosing it,
    // and Enter imports what is chosen.
    if (!m_list->selectionModel()->hasSelection() && m_model->rowCount() > 0)
        m_list->selectionModel()->setCurrentIndex(m_model->index(0, LibraryResultModel::Name),
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool LibraryPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The library is opened when first wanted; the list of folders is read again each time the
    // tab is shown, as zylox may have changed it.
    if (watched == m_tab && event->type() == QEvent::Show) {
        m_folders->reload();
        start();
    }
    if ((watched == m_list || watched == m_field) && event->type() == QEvent::FocusIn)
        followSlot();
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (key && watched == m_list)
        return listKey(*event);
    if (key && watched == m_field
        && isPlainKey(static_cast<const QKeyEvent&>(*event), {Qt::Key_Down, Qt::Key_Return, Qt::Key_Enter})) {
        if (event->type() == QEvent::KeyPress)
            goToList();
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool LibraryPanel::listKey(QEvent& event)
{
    const auto& key = static_cast<const QKeyEvent&>(event);
    const bool space = isPlainKey(key, {Qt::Key_Space});
    if (!space && !isPlainKey(key, {Qt::Key_Return, Qt::Key_Enter}))
        return false;
    event.accept();
    if (event.type() == QEvent::KeyPress) {
        if (space)
            play(m_list->currentIndex().row());
        else
            importChosen();
    }
    return true;
}

void LibraryPanel::play(int row)
{
    const QByteArray path = m_model->file(row);
    if (path.isEmpty())
        return;
    // Removed since it was scanned: its folder is scanned again, and the file leaves the list.
    std::error_code error;
    if (path != m_player.playing() && !std::filesystem::exists(path.toStdString(), error) && !error) {
        emit status(tr("\u201C%1\u201D is no longer in its folder").arg(m_model->name(row)));
        m_index->scanFolder(std::filesystem::path(path.toStdString()).parent_path().string());
        return;
    }
    m_player.toggle(path, m_model->name(row));
}

std::vector<std::string> LibraryPanel::selectedFiles() const
{
    QModelIndexList rows = m_list->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<std::string> paths;
    for (const QModelIndex& row : rows)
        paths.push_back(m_model->file(row.row()).toStdString());
    return paths;
}

void LibraryPanel::importChosen()
{
    if (const std::vector<std::string> paths = selectedFiles(); !paths.empty())
        emit filesChosen(paths);
}
