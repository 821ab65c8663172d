#include "app/library/SoundBrowser.h"

#include "app/library/BrowserPlayer.h"
#include "app/library/FavouriteFolders.h"
#include "app/library/FileListLook.h"
#include "app/library/FolderListing.h"
#include "app/library/LibraryPanel.h"
#include "app/library/NameFilter.h"
#include "app/library/SoundFileModel.h"
#include "app/settings/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <initializer_list>

namespace {

const QString kVisibleKey = QStringLiteral("browser/visible");
const QString kFolderKey = QStringLiteral("browser/folder");
const QString kWidthKey = QStringLiteral("browser/width");
const QString kAsDeviceKey = QStringLiteral("browser/asDevice");
const QString kTabKey = QStringLiteral("browser/tab");
// Wide enough for a file's name beside its length, rate and channels.
constexpr int kFirstWidth = 330;
constexpr int kWidestStored = 4000;

// Where a first start opens: the user's music, else home.
QString firstFolder()
{
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return !music.isEmpty() && QFileInfo(music).isDir() ? music : QDir::homePath();
}

// Room on the screen for the panel at its first width beside the bank's controls at their least,
// with the window's frame.
bool roomBeside(const QMainWindow& window)
{
    constexpr int kFrame = 16;
    const QScreen* screen = window.screen();
    return screen != nullptr
           && screen->availableGeometry().width()
                  >= window.centralWidget()->minimumSizeHint().width() + kFirstWidth + kFrame;
}

} // namespace

SoundBrowser::SoundBrowser(QMainWindow& window, QAction* menuBefore, Settings& settings, IDialogs& dialogs,
                           ISoundOutput& output, std::function<std::optional<double>()> slotSeconds)
    : QObject(&window)
    , m_settings(settings)
    , m_listing(new FolderListing(this))
    , m_model(m_listing->model())
    , m_player(new BrowserPlayer(output, this))
{
    m_library = new LibraryPanel(
        window, m_settings, dialogs, *m_player, [this] { return m_folder; }, std::move(slotSeconds),
        [this] {
            if (m_dock->isHidden())
                m_dock->toggleViewAction()->trigger();
            m_tabs->setCurrentWidget(m_library->tab());
        },
        this);
    build(window, menuBefore);
    connectParts();
    const QString kept = m_settings.value(kFolderKey).toString();
    goTo(!kept.isEmpty() && QFileInfo(kept).isDir() ? kept : firstFolder());
    m_library->startIfUsed();
}

SoundBrowser::~SoundBrowser() = default;

void SoundBrowser::build(QMainWindow& window, QAction* menuBefore)
{
    m_dock = new QDockWidget(tr("Sound Browser"), &window);
    m_dock->setObjectName(QStringLiteral("dock_browser"));
    m_dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    auto* panel = new QWidget;
    m_location = new QLineEdit;
    m_location->setObjectName(QStringLiteral("textfield_browserFolder"));
    m_location->setAccessibleName(tr("Folder"));
    m_location->setToolTip(tr("The folder listed: type another and press Enter to go there"));

    auto* favourites = new QListWidget;
    favourites->setObjectName(QStringLiteral("list_favourites"));
    favourites->setAccessibleName(tr("Favourite folders"));
    favourites->setMaximumHeight(favourites->fontMetrics().height() * 4);
    auto* add = new QPushButton(tr("&Add Folder"));
    add->setObjectName(QStringLiteral("button_addFavourite"));
    add->setToolTip(tr("Keep the folder listed among the favourites"));
    // Every letter of the word is another control's mnemonic; Delete in the list removes too.
    auto* remove = new QPushButton(tr("Remove"));
    remove->setObjectName(QStringLiteral("button_removeFavourite"));
    remove->setToolTip(tr("Take the selected folder off the favourites"));

    makeTree();
    makeFileList();
    m_listingText = new QLabel;
    m_listingText->setObjectName(QStringLiteral("text_browserListing"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(m_tree);
    split->addWidget(makeFilesPart());
    split->setStretchFactor(1, 2);
    m_asDevice = new QCheckBox(tr("Play as the device sounds"));
    m_asDevice->setObjectName(QStringLiteral("checkbox_browserAsDevice"));
    m_asDevice->setToolTip(tr("Space and the play controls play a file as the device will sound it (8-bit, "
                              "33 kHz, the default shape); otherwise as it is"));
    m_asDevice->setChecked(m_settings.value(kAsDeviceKey, false).toBool());
    m_player->setAsDevice(m_asDevice->isChecked());
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(m_location);
    auto* favouritesLabel = new QLabel(tr("Favourites:"));
    favouritesLabel->setBuddy(favourites);
    layout->addWidget(favouritesLabel);
    layout->addWidget(favourites);
    layout->addLayout(buttons);
    layout->addWidget(split, 1);
    layout->addWidget(m_listingText);
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("tabs_browser"));
    m_tabs->setAccessibleName(tr("Sound browser"));
    m_tabs->addTab(panel, tr("Folders"));
    m_tabs->addTab(m_library->tab(), tr("Library"));
    m_tabs->setCurrentIndex(m_settings.value(kTabKey, 0).toInt() == 1 ? 1 : 0);
    auto* whole = new QWidget;
    auto* wholeLayout = new QVBoxLayout(whole);
    wholeLayout->setContentsMargins(0, 0, 0, 0);
    wholeLayout->addWidget(m_tabs, 1);
    wholeLayout->addWidget(m_asDevice);
    m_dock->setWidget(whole);
    window.addDockWidget(Qt::LeftDockWidgetArea, m_dock);
    m_favourites = new FavouriteFolders(
        m_settings, *favourites, *add, *remove, [this] { return m_folder; }, this);
    makeViewMenu(window, menuBefore);
}

void SoundBrowser::makeTree()
{
    m_tree = new QTreeView;
    m_tree->setObjectName(QStringLiteral("tree_folders"));
    m_tree->setAccessibleName(tr("Folders"));
    m_folders = new QFileSystemModel(m_tree);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_folders->setRootPath(QDir::rootPath());
    m_tree->setModel(m_folders);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_tree->hideColumn(column);
}

void SoundBrowser::makeFileList()
{
    // A table rather than a tree: it lays out 20,000 rows of one height without measuring each.
    m_files = new QTableView;
    m_files->setObjectName(QStringLiteral("list_sounds"));
    m_files->setAccessibleName(tr("Sound files"));
    m_filter = new NameFilter(
        *m_dock->parentWidget(), m_model, SoundFileModel::Name, *m_files,
        [this] {
            if (m_dock->isHidden())
                m_dock->toggleViewAction()->trigger();
        },
        this);
    // The whole path is the name's tooltip.
    lookAsFileList(*m_files);
    m_files->horizontalHeader()->setSectionResizeMode(SoundFileModel::Name, QHeaderView::Stretch);
    sizeColumns();
    m_files->installEventFilter(this);
}

void SoundBrowser::sizeColumns()
{
    sizeColumnsToTexts(*m_files,
                       {SoundFileModel::Play, SoundFileModel::Length, SoundFileModel::Rate, SoundFileModel::Channels},
                       &SoundFileModel::widestTexts);
}

QWidget* SoundBrowser::makeFilesPart()
{
    auto* part = new QWidget;
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&m_filter->field());
    layout->addWidget(m_files, 1);
    return part;
}

void SoundBrowser::makeViewMenu(QMainWindow& window, QAction* menuBefore)
{
    auto* view = m_viewMenu = new QMenu(tr("&View"), &window);
    view->setObjectName(QStringLiteral("menu_view"));
    QAction* toggle = m_dock->toggleViewAction();
    toggle->setObjectName(QStringLiteral("menu_browser"));
    toggle->setText(tr("Sound &Browser"));
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    view->addAction(toggle);
    window.menuBar()->insertMenu(menuBefore, view);
    // Shown at a first start, as it is how sounds are found by ear, unless the screen is too small
    // for it beside the bank's controls: those keep their room, and the View menu shows it.
    m_dock->setVisible(m_settings.value(kVisibleKey, roomBeside(window)).toBool());
    const int width = m_settings.value(kWidthKey, kFirstWidth).toInt();
    window.resizeDocks({m_dock}, {width > 0 && width <= kWidestStored ? width : kFirstWidth}, Qt::Horizontal);
    // The user's choice only: closing the window hides the panel too, which is no choice of the user's.
    connect(toggle, &QAction::triggered, this, [this](bool shown) {
        m_settings.setValue(kVisibleKey, shown);
        if (shown)
            m_files->setFocus();
    });
    m_dock->installEventFilter(this);
}

void SoundBrowser::connectParts()
{
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (!m_followingTree && current.isValid())
            goTo(m_folders->filePath(current));
    });
    // The tree reads folders as it needs them: the folder listed comes into view once its parents are read.
    // Its rows are sorted a moment after they are read, so the scroll waits for that too.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (m_folder.startsWith(loaded))
            QTimer::singleShot(0, this, [this] { m_tree->scrollTo(m_folders->index(m_folder)); });
    });
    connect(m_dock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && m_listing->folder() != m_folder)
            listFolder();
    });
    connect(m_asDevice, &QCheckBox::toggled, this, [this](bool asDevice) {
        m_settings.setValue(kAsDeviceKey, asDevice);
        m_player->setAsDevice(asDevice);
    });
    connect(m_location, &QLineEdit::returnPressed, this, &SoundBrowser::goToTyped);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) { m_settings.setValue(kTabKey, tab); });
    connect(m_library, &LibraryPanel::status, this, &SoundBrowser::status);
    connect(m_library, &LibraryPanel::filesChosen, this, &SoundBrowser::filesChosen);
    connect(m_favourites, &FavouriteFolders::chosen, this, &SoundBrowser::goTo);
    connect(m_listing, &FolderListing::progress, m_listingText, &QLabel::setText);
    connect(m_player, &BrowserPlayer::playingChanged, &m_model, &SoundFileModel::setPlaying);
    connect(m_player, &BrowserPlayer::status, this, &SoundBrowser::status);
    connect(m_files, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == SoundFileModel::Play)
            play(rowOf(index));
    });
}

void SoundBrowser::goTo(const QString& folder)
{
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    if (!QFileInfo(clean).isDir()) {
        emit status(tr("No folder \u201C%1\u201D: the browser stays in \u201C%2\u201D")
                        .arg(QDir::toNativeSeparators(clean), QDir::toNativeSeparators(m_folder)));
        m_location->setText(QDir::toNativeSeparators(m_folder));
        return;
    }
    m_folder = clean;
    m_settings.setValue(kFolderKey, clean);
    m_location->setText(QDir::toNativeSeparators(clean));
    m_followingTree = true;
    const QModelIndex index = m_folders->index(clean);
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
    m_followingTree = false;
    // A hidden panel reads nothing: the folder is listed when the panel is first shown.
    m_listing->list({});
    if (!m_dock->isHidden())
        listFolder();
}

void SoundBrowser::listFolder()
{
    m_listing->list(m_folder);
    m_model.setPlaying(m_player->playing());
}

void SoundBrowser::goToTyped()
{
    goTo(QDir::fromNativeSeparators(m_location->text().trimmed()));
}

bool SoundBrowser::eventFilter(QObject* watched, QEvent* event)
{
    // The panel's own close button.
    if (watched == m_dock && event->type() == QEvent::Close)
        m_settings.setValue(kVisibleKey, false);
    // The width the user left it at, while it is on show.
    if (watched == m_dock && event->type() == QEvent::Resize && m_dock->isVisible())
        m_settings.setValue(kWidthKey, m_dock->width());
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (key && watched == m_files)
        return listKey(*event);
    return QObject::eventFilter(watched, event);
}

bool SoundBrowser::listKey(QEvent& event)
{
    const auto& key = static_cast<const QKeyEvent&>(event);
    const bool space = isPlainKey(key, {Qt::Key_Space});
    const bool enter = isPlainKey(key, {Qt::Key_Return, Qt::Key_Enter});
    if (space || enter) {
        event.accept();
        if (event.type() == QEvent::KeyPress) {
            if (space)
                playCurrent();
            else
                importChosen();
        }
        return true;
    }
    // The list finds what is typed from the current row's column, which a click may have put on another than the name.
    const bool typed = !key.text().isEmpty() && key.text().front().isPrint()
                       && (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    if (typed && event.type() == QEvent::KeyPress && m_files->model()->rowCount() > 0) {
        const QModelIndex current = m_files->currentIndex();
        if (current.column() != SoundFileModel::Name)
            m_files->selectionModel()->setCurrentIndex(
                m_files->model()->index(std::max(current.row(), 0), SoundFileModel::Name),
                QItemSelectionModel::NoUpdate);
    }
    return false;
}

int SoundBrowser::rowOf(const QModelIndex& shown) const
{
    return m_filter->fileRow(shown);
}

void SoundBrowser::playCurrent()
{
    play(rowOf(m_files->currentIndex()));
}

void SoundBrowser::play(int row)
{
    const QByteArray path = m_model.file(row);
    if (path.isEmpty())
        return;
    // Removed since the folder was last read: it leaves the list rather than failing to play.
    std::error_code error;
    if (path != m_player->playing() && !std::filesystem::exists(path.toStdString(), error) && !error) {
        emit status(tr("\u201C%1\u201D is no longer in the folder").arg(m_model.name(row)));
        m_listing->gone(row);
        return;
    }
    m_player->toggle(path, m_model.name(row));
}

std::vector<std::string> SoundBrowser::chosenFiles() const
{
    QModelIndexList rows = m_files->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<std::string> paths;
    for (const QModelIndex& row : rows)
        paths.push_back(m_model.file(rowOf(row)).toStdString());
    return paths;
}

std::vector<std::string> SoundBrowser::selectedFiles() const
{
    if (m_dock == nullptr || !m_dock->isVisible())
        return {};
    return m_tabs->currentWidget() == m_library->tab() ? m_library->selectedFiles() : chosenFiles();
}

void SoundBrowser::importChosen()
{
    if (const std::vector<std::string> files = chosenFiles(); !files.empty())
        emit filesChosen(files);
}
