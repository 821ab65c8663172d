#include "app/window/CEditor.h"

#include "app/banks/CBankEdits.h"
#include "app/banks/CBankSelection.h"
#include "app/banks/CBankView.h"
#include "app/common/CDisabledReasons.h"
#include "app/document/CUnsavedChanges.h"
#include "app/document/CWorkingBanks.h"
#include "app/files/CBankFiles.h"
#include "app/files/CFilePanels.h"
#include "app/files/CLastBankFile.h"
#include "app/files/CRecentFiles.h"
#include "app/library/CSoundBrowser.h"
#include "app/settings/CImportPreferences.h"
#include "app/transfer/CDeviceContentsSaving.h"
#include "app/transfer/COutputList.h"
#include "app/transfer/COutputSettings.h"
#include "app/transfer/CTransmission.h"
#include "app/window/CAboutWindow.h"
#include "app/window/CFocusGuard.h"
#include "app/window/CHelpMenu.h"
#include "app/window/CMenuValidation.h"
#include "app/window/CWindowMemory.h"
#include "midiio/MidiContext.h"
#include "model/IBank.h"
#include "ui_EditorWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

constexpr int kStartRow = 4; // S05, the first bank whose factory name has no " - factory -"

} // namespace

CEditor::CEditor(IDialogs& dialogs, MidiContext& midiSystem, CSettings& settings, ISoundOutput& soundOutput,
                 QWidget* parent)
    : QMainWindow(parent)
    , m_midiSystem(midiSystem)
    , m_settings(settings)
    , m_ui(std::make_unique<Ui::EditorWindow>())
{
    Ui::EditorWindow& ui = *m_ui;
    ui.setupUi(this);
    // A child as well, so that Undo and Redo are among the window's actions.
    m_banks = std::make_unique<CWorkingBanks>(this);
    m_panels = std::make_unique<CFilePanels>(dialogs, settings);
    m_unsaved = std::make_unique<CUnsavedChanges>(*m_banks, dialogs);
    m_files = std::make_unique<CBankFiles>(dialogs, *m_panels, *m_banks, *m_unsaved);
    m_recent = std::make_unique<CRecentFiles>(settings, *ui.menu_file, ui.menu_save);
    m_lastFile = std::make_unique<CLastBankFile>(settings, *m_banks, *m_files);

    auto* edit = new QMenu(tr("&Edit"), this);
    edit->setObjectName(QStringLiteral("menu_edit"));
    edit->addAction(m_banks->undoAction());
    edit->addAction(m_banks->redoAction());
    menuBar()->insertMenu(ui.menu_midi->menuAction(), edit);
    m_focusGuard = std::make_unique<CFocusGuard>(*ui.tableview_banks,
                                                 std::initializer_list<QWidget*>{ui.button_reset, ui.button_send});
    m_selection = std::make_unique<CBankSelection>(
        *ui.tableview_banks,
        std::initializer_list<QAbstractButton*>{ui.radiobutton_options_0, ui.radiobutton_options_1}, *m_banks,
        m_visibleBanks);
    m_bankView = std::make_unique<CBankView>(
        *this, *ui.layout_slots, *ui.layout_panel, *ui.textfield_bankName,
        std::initializer_list<QWidget*>{ui.button_reset, ui.button_save, ui.button_load}, soundOutput);
    m_importPreferences = std::make_unique<CImportPreferences>(m_settings, *this, *ui.menu_file, ui.menu_quit);
    m_edits = std::make_unique<CBankEdits>(dialogs, *m_panels, *m_importPreferences, *m_banks, soundOutput, *this);
    m_outputs = std::make_unique<COutputList>(*ui.popup_out, midiSystem.service());
    m_memory = std::make_unique<CWindowMemory>(m_settings, *this, *m_outputs, *ui.popup_out, *ui.popup_channel,
                                               m_selection->options(), *ui.splitter);
    // A child as well, so that its progress ticks are among the window's timers.
    m_transmission = std::make_unique<CTransmission>(dialogs, midiSystem, *m_outputs, *ui.progress_out, *m_banks, this);
    m_sendTip = ui.button_send->toolTip();
    m_disabledReasons = std::make_unique<CDisabledReasons>(
        findChildren<QAbstractButton*>(QRegularExpression(QStringLiteral("^button_(send|playContents_\\d)$"))));
    // A child as well, so that it lives no longer than the menu it adds to.
    m_outputSettings = std::make_unique<COutputSettings>(dialogs, *m_outputs, *this, *ui.menu_midi);
    m_deviceContents
        = std::make_unique<CDeviceContentsSaving>(dialogs, *m_outputs, *this, *ui.menu_file, ui.menu_saveAs);
    m_menuValidation
        = std::make_unique<CMenuValidation>(std::vector<CMenuValidation::Item>{{ui.menu_open, ui.button_load},
                                                                               {ui.menu_save, ui.button_save},
                                                                               {ui.menu_saveAs, ui.button_save},
                                                                               {ui.menu_send, ui.button_send}});
    m_library = std::make_unique<CSoundBrowser>(*this, ui.menu_help->menuAction(), settings, soundOutput,
                                                CSoundBrowser::Rooms{*m_selection, *m_bankView, *m_edits});
    m_help = std::make_unique<CHelpMenu>(*this, *menuBar(), *ui.menu_help, ui.menu_about);

    connectControls();
    awakeFromNib();
}

CEditor::~CEditor()
{
    // Widgets losing focus while the window goes must not reach a half-destroyed controller.
    for (QObject* control : findChildren<QObject*>())
        control->disconnect(this);
    // Ends the worker before the widgets it reports to go.
    m_transmission.reset();
}

void CEditor::connectControls()
{
    Ui::EditorWindow& ui = *m_ui;
    connect(m_selection.get(), &CBankSelection::rowChanged, this, &CEditor::updateContentView);
    connect(m_bankView.get(), &CBankView::bankNameEdited, this, &CEditor::BankNameHasChanged);
    connect(m_bankView.get(), &CBankView::slotNameEdited, this, &CEditor::ContentNameHasChanged);
    connect(m_bankView.get(), &CBankView::importClicked, this, &CEditor::openContent);
    connect(m_bankView.get(), &CBankView::shapeClicked, this, [this](int tag) {
        if (const auto row = rowToActOn())
            m_edits->shape(*row, tag);
    });
    connect(m_bankView.get(), &CBankView::fileDropped, this, &CEditor::importFile);
    connect(m_bankView.get(), &CBankView::bankFileDropped, this, &CEditor::openBankFile);
    connect(m_bankView.get(), &CBankView::filesLeftOut, this, [this](int count) {
        showStatus(m_ui->text_status->text()
                   + tr(" (%n more file(s) left out: the bank has no more slots)", nullptr, count));
    });
    connect(m_bankView.get(), &CBankView::status, this, &CEditor::showStatus);
    connect(m_edits.get(), &CBankEdits::status, this, &CEditor::showStatus);
    connect(m_edits.get(), &CBankEdits::slotChanged, m_bankView.get(), &CBankView::selectSlot);
    connect(m_edits.get(), &CBankEdits::nameRefused, this, &CEditor::updateContentView);
    connect(m_banks.get(), &CWorkingBanks::status, this, &CEditor::showStatus);
    connect(m_files.get(), &CBankFiles::status, this, &CEditor::showStatus);
    connect(m_files.get(), &CBankFiles::fileUsed, m_recent.get(), &CRecentFiles::add);
    connect(m_recent.get(), &CRecentFiles::status, this, &CEditor::showStatus);
    connect(m_recent.get(), &CRecentFiles::openRequested, this,
            [this](const QString& path) { openBankFile(path.toStdString()); });
    connect(m_transmission.get(), &CTransmission::status, this, &CEditor::showStatus);
    connect(m_outputSettings.get(), &COutputSettings::status, this, &CEditor::showStatus);
    connect(m_deviceContents.get(), &CDeviceContentsSaving::status, this, &CEditor::showStatus);
    connect(m_disabledReasons.get(), &CDisabledReasons::status, this, &CEditor::showStatus);
    connect(m_library.get(), &CSoundBrowser::status, this, &CEditor::showStatus);
    // A button's key presses it at once and clicks it a moment later: the name being typed is the
    // bank's from the moment it goes down.
    for (QAbstractButton* button : {ui.button_reset, ui.button_load, ui.button_save, ui.button_send})
        connect(button, &QAbstractButton::pressed, m_bankView.get(), &CBankView::commitTypedName);
    // Undo and Redo, the menu's too, take the name being typed as a step of its own, never losing it.
    connect(m_banks.get(), &CWorkingBanks::aboutToUndoOrRedo, m_bankView.get(), &CBankView::commitTypedName);
    connect(ui.button_reset, &QPushButton::clicked, this, &CEditor::openDefaultBank);
    connect(ui.button_load, &QPushButton::clicked, this, &CEditor::openBank);
    connect(ui.button_save, &QPushButton::clicked, this, &CEditor::saveBank);
    connect(ui.button_send, &QPushButton::clicked, this, &CEditor::sendBank);
    connect(ui.menu_open, &QAction::triggered, this, &CEditor::openBank);
    connect(ui.menu_save, &QAction::triggered, this, &CEditor::saveBank);
    connect(ui.menu_saveAs, &QAction::triggered, this, &CEditor::saveBankAs);
    connect(ui.menu_quit, &QAction::triggered, this, &QWidget::close);
    connect(ui.menu_send, &QAction::triggered, this, &CEditor::sendBank);
    connect(ui.menu_about, &QAction::triggered, this, &CEditor::orderFrontAboutWindow);
    connect(m_outputs.get(), &COutputList::connectionChanged, this, &CEditor::enableMIDIButtons);
    connect(m_transmission.get(), &CTransmission::ended, this, [this] { switchToIdleState(true); });
    connect(m_banks.get(), &CWorkingBanks::banksChanged, this, &CEditor::banksDidChange);
}

void CEditor::awakeFromNib()
{
    Ui::EditorWindow& ui = *m_ui;
    ui.text_status->setText(QString());
    enableMIDIButtons();
    ui.popup_channel->setCurrentIndex(0);
    m_memory->restore();
    m_selection->selectRow(kStartRow);
    updateContentView();
    m_menuValidation->validateMenus();
    setWindowTitle(QString::fromStdString(m_unsaved->title()));
}

void CEditor::start(const QString& file)
{
    show();
    // Questions and alerts about the file come over the window, never before it.
    QMetaObject::invokeMethod(
        this, [this, file] { file.isEmpty() ? m_lastFile->reopen() : openBankFile(file.toStdString()); },
        Qt::QueuedConnection);
}

const IBank& CEditor::workBank(int row) const
{
    return m_banks->bank(static_cast<std::size_t>(row));
}

const IBank& CEditor::defaultBank(int row) const
{
    return m_banks->factoryBank(static_cast<std::size_t>(row));
}

// ---- state ----

bool CEditor::switchToSendState(bool on)
{
    Ui::EditorWindow& ui = *m_ui;
    // Send becomes Stop while sending; quitting stays possible, after a question.
    if (on && m_state == State::Idle) {
        m_sendTexts = {ui.button_send->text(), ui.menu_send->text()};
        ui.button_send->setText(tr("Sto&p"));
        ui.menu_send->setText(tr("&Stop"));
        ui.button_send->setEnabled(true);
        m_state = State::Send;
        return true;
    }
    if (!on && m_state == State::Send) {
        ui.button_send->setText(m_sendTexts.first);
        ui.menu_send->setText(m_sendTexts.second);
        m_state = State::Idle;
        enableMIDIButtons();
        return true;
    }
    return false;
}

bool CEditor::switchToIdleState(bool)
{
    switch (m_state) {
    case State::Send:
        return switchToSendState(false);
    case State::Idle:
        break;
    }
    return true;
}

bool CEditor::applicationShouldTerminate() const
{
    return m_state == State::Idle;
}

bool CEditor::event(QEvent* event)
{
    // Space plays the selected slot, but a focused button or list keeps its own Space, so the
    // keyboard still presses what has the focus.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        const QWidget* focused = QApplication::focusWidget();
        if (qobject_cast<const QAbstractButton*>(focused) != nullptr
            || qobject_cast<const QComboBox*>(focused) != nullptr) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::event(event);
}

void CEditor::dragEnterEvent(QDragEnterEvent* event)
{
    m_bankView->takeDrag(*event);
}

void CEditor::dragMoveEvent(QDragMoveEvent* event)
{
    m_bankView->takeDrag(*event);
}

void CEditor::dropEvent(QDropEvent* event)
{
    m_bankView->takeDrag(*event);
}

void CEditor::closeEvent(QCloseEvent* event)
{
    m_bankView->commitTypedName();
    // Unsaved banks first; then a window closed while banks are on their way would leave the
    // program running unseen: the transmission is stopped first, if the user agrees, and the
    // device's state told.
    if (m_files->settle(tr("quitting").toStdString())
        && (applicationShouldTerminate() || (m_state == State::Send && m_transmission->stopForQuit()))) {
        m_memory->keep();
        event->accept();
    } else {
        event->ignore();
    }
    updateTitle();
}

// ---- selection, names, reset ----

void CEditor::BankNameHasChanged()
{
    const int row = m_selection->currentRow();
    if (row >= 0)
        m_edits->renameBank(static_cast<std::size_t>(row), m_bankView->bankName().toStdString());
}

void CEditor::ContentNameHasChanged(int tag)
{
    const int row = m_selection->currentRow();
    const std::optional<QString> name = m_bankView->slotName(tag);
    if (row >= 0 && name)
        m_edits->renameSlot(static_cast<std::size_t>(row), tag, name->toStdString());
}

void CEditor::openDefaultBank()
{
    if (const auto row = rowToActOn())
        m_edits->resetToFactory(*row, m_state != State::Idle);
}

void CEditor::banksDidChange(const QList<int>& rows)
{
    m_selection->reloadData();
    // A step taken back in a bank not on show brings that bank into view.
    if (rows.size() == 1 && rows.front() != m_selection->currentRow())
        m_selection->selectRow(rows.front());
    updateContentView();
    updateTitle();
}

void CEditor::updateTitle()
{
    setWindowTitle(QString::fromStdString(m_unsaved->title()));
    setWindowModified(!m_unsaved->changedRows().empty());
}

void CEditor::showStatus(const QString& text)
{
    m_ui->text_status->setText(text);
}

// ---- views ----

void CEditor::enableMIDIButtons()
{
    // While sending, the button is Stop and stays usable whatever the output does.
    if (m_state == State::Send)
        return;
    const QString reason = m_outputs->unavailableReason();
    m_ui->button_send->setEnabled(reason.isEmpty());
    m_ui->button_send->setToolTip(reason.isEmpty() ? m_sendTip : reason);
    m_ui->menu_send->setToolTip(m_ui->button_send->toolTip());
}

void CEditor::updateContentView()
{
    const int row = m_selection->currentRow();
    if (row < 0)
        return;
    m_bankView->show(m_banks->bank(static_cast<std::size_t>(row)), row >= m_protectedBanks);
}

void CEditor::orderFrontAboutWindow()
{
    CAboutWindow about(this);
    about.exec();
}

// ---- files ----

std::optional<std::size_t> CEditor::rowToActOn()
{
    m_bankView->commitTypedName();
    const int row = m_selection->currentRow();
    return row >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(row)) : std::nullopt;
}

void CEditor::openBank()
{
    if (const auto row = rowToActOn()) {
        m_files->open(*row, m_selection->allBanksChosen());
        updateTitle();
    }
}

void CEditor::openBankFile(const std::string& path)
{
    if (const auto row = rowToActOn()) {
        m_files->open(*row, path, m_selection->allBanksChosen());
        updateTitle();
    }
}

void CEditor::saveBank()
{
    if (const auto row = rowToActOn(); row && m_files->save(*row, m_selection->allBanksChosen()))
        updateTitle();
}

void CEditor::saveBankAs()
{
    if (const auto row = rowToActOn(); row && m_files->saveAs(*row, m_selection->allBanksChosen()))
        updateTitle();
}

void CEditor::openContent(int tag)
{
    if (const auto row = rowToActOn())
        m_edits->chooseImport(*row, tag);
}

void CEditor::importFile(int tag, const std::string& path)
{
    if (const auto row = rowToActOn())
        m_edits->import(*row, tag, path);
}

// ---- transmission ----

void CEditor::sendBank()
{
    if (m_state == State::Send) {
        m_transmission->stop();
        return;
    }
    m_bankView->commitTypedName();
    // A second interface would silence the device in the middle of the running dump.
    if (m_state != State::Idle)
        return;
    const auto channel = static_cast<std::uint32_t>(std::max(0, m_ui->popup_channel->currentIndex()));
    const auto row = static_cast<std::size_t>(std::max(0, m_selection->currentRow()));
    if (m_transmission->send(row, m_selection->allBanksChosen(), channel))
        switchToSendState(true);
}
