#include "app/window/EditorWindow.h"

#include "app/banks/BankEdits.h"
#include "app/banks/BankSelection.h"
#include "app/banks/BankView.h"
#include "app/banks/KitFilling.h"
#include "app/banks/LoudnessMatching.h"
#include "app/banks/PadView.h"
#include "app/banks/SlotCopying.h"
#include "app/common/DisabledReasons.h"
#include "app/document/UnsavedChanges.h"
#include "app/document/WorkingBanks.h"
#include "app/files/BankFiles.h"
#include "app/files/BankSoundsExport.h"
#include "app/files/FilePanels.h"
#include "app/files/LastBankFile.h"
#include "app/files/RecentFiles.h"
#include "app/library/SoundBrowser.h"
#include "app/settings/ImportPreferences.h"
#include "app/transfer/DeviceContentsSaving.h"
#include "app/transfer/OutputList.h"
#include "app/transfer/OutputSettings.h"
#include "app/transfer/PadController.h"
#include "app/transfer/Transmission.h"
#include "app/window/AboutWindow.h"
#include "app/window/FocusGuard.h"
#include "app/window/HelpMenu.h"
#include "app/window/MenuValidation.h"
#include "app/window/WindowMemory.h"
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

EditorWindow::EditorWindow(IDialogs& dialogs, MidiContext& midiSystem, Settings& settings, ISoundOutput& soundOutput,
                           KitPlayer& kit, QWidget* parent)
    : QMainWindow(parent)
    , m_midiSystem(midiSystem)
    , m_settings(settings)
    , m_ui(std::make_unique<Ui::EditorWindow>())
{
    Ui::EditorWindow& ui = *m_ui;
    ui.setupUi(this);
    // A child as well, so that Undo and Redo are among the window's actions.
    m_banks = std::make_unique<WorkingBanks>(this);
    m_panels = std::make_unique<FilePanels>(dialogs, settings);
    m_unsaved = std::make_unique<UnsavedChanges>(*m_banks, dialogs);
    m_files = std::make_unique<BankFiles>(dialogs, *m_panels, *m_banks, *m_unsaved);
    m_recent = std::make_unique<RecentFiles>(settings, *ui.menu_file, ui.menu_save);
    m_lastFile = std::make_unique<LastBankFile>(settings, *m_banks, *m_files);

    auto* edit = new QMenu(tr("&Edit"), this);
    edit->setObjectName(QStringLiteral("menu_edit"));
    edit->addAction(m_banks->undoAction());
    edit->addAction(m_banks->redoAction());
    menuBar()->insertMenu(ui.menu_midi->menuAction(), edit);
    m_focusGuard = std::make_unique<FocusGuard>(*ui.tableview_banks,
                                                std::initializer_list<QWidget*>{ui.button_reset, ui.button_send});
    m_selection = std::make_unique<BankSelection>(
        *ui.tableview_banks,
        std::initializer_list<QAbstractButton*>{ui.radiobutton_options_0, ui.radiobutton_options_1}, *m_banks,
        m_visibleBanks);
    m_bankView = std::make_unique<BankView>(
        *this, *ui.layout_slots, *ui.layout_panel, *ui.textfield_bankName,
        std::initializer_list<QWidget*>{ui.button_reset, ui.button_save, ui.button_load}, soundOutput);
    m_kitFilling = std::make_unique<KitFilling>(
        dialogs, *m_banks, soundOutput, *this, *ui.menu_file, ui.menu_quit, [this] { return rowToActOn(); },
        [this] { return m_library != nullptr ? m_library->selectedFiles() : std::vector<std::string>(); });
    m_loudnessMatching = std::make_unique<LoudnessMatching>(*m_banks, *this, *edit, *ui.button_matchLoudness,
                                                            *ui.button_reset, [this] { return rowToActOn(); });
    m_slotCopying = std::make_unique<SlotCopying>(
        *m_banks, *this, *edit, [this] { return rowToActOn(); }, [this] { return m_bankView->selectedSlot(); });
    m_importPreferences = std::make_unique<ImportPreferences>(m_settings, *this, *ui.menu_file, ui.menu_quit);
    m_edits = std::make_unique<BankEdits>(dialogs, *m_panels, *m_importPreferences, *m_banks, soundOutput, *this);
    m_outputs = std::make_unique<OutputList>(*ui.popup_out, midiSystem.service());
    m_memory = std::make_unique<WindowMemory>(m_settings, *this, *m_outputs, *ui.popup_out, *ui.popup_channel,
                                              m_selection->options(), *ui.splitter);
    // A child as well, so that its progress ticks are among the window's timers.
    m_transmission = std::make_unique<Transmission>(dialogs, midiSystem, *m_outputs, *ui.progress_out, *m_banks, this);
    m_sendTip = ui.button_send->toolTip();
    m_disabledReasons = std::make_unique<DisabledReasons>(findChildren<QAbstractButton*>(
        QRegularExpression(QStringLiteral("^button_(send|matchLoudness|playContents_\\d)$"))));
    // A child as well, so that it lives no longer than the menu it adds to.
    m_outputSettings = std::make_unique<OutputSettings>(dialogs, *m_outputs, *this, *ui.menu_midi);
    m_padController
        = std::make_unique<PadController>(*ui.popup_controller, *ui.menu_midi, midiSystem, settings, kit, *this);
    // Made first, so that Save Device Contents… lands between Save As… and it.
    m_bankSoundsExport = std::make_unique<BankSoundsExport>(dialogs, *m_banks, *this, *ui.menu_file, ui.menu_saveAs,
                                                            [this] { return rowToActOn(); });
    m_deviceContents
        = std::make_unique<DeviceContentsSaving>(dialogs, *m_panels, *m_outputs, *this, *ui.menu_file, ui.menu_saveAs);
    m_menuValidation
        = std::make_unique<MenuValidation>(std::vector<MenuValidation::Item>{{ui.menu_open, ui.button_load},
                                                                             {ui.menu_save, ui.button_save},
                                                                             {ui.menu_saveAs, ui.button_save},
                                                                             {ui.menu_send, ui.button_send}});
    m_library = std::make_unique<SoundBrowser>(*this, ui.menu_help->menuAction(), settings, dialogs, soundOutput,
                                               [this] { return m_bankView->selectedSlotSeconds(); });
    m_pads = std::make_unique<PadView>(*this, m_library->viewMenu(), *m_banks, *m_selection, *m_importPreferences, kit,
                                       soundOutput, settings.chokesOpenHat());
    m_help = std::make_unique<HelpMenu>(*this, *menuBar(), *ui.menu_help, ui.menu_about);

    connectControls();
    awakeFromNib();
}

EditorWindow::~EditorWindow()
{
    // Widgets losing focus while the window goes must not reach a half-destroyed controller.
    for (QObject* control : findChildren<QObject*>())
        control->disconnect(this);
    // Ends the worker before the widgets it reports to go.
    m_transmission.reset();
}

void EditorWindow::connectControls()
{
    Ui::EditorWindow& ui = *m_ui;
    connect(m_selection.get(), &BankSelection::rowChanged, this, &EditorWindow::updateContentView);
    connect(m_bankView.get(), &BankView::bankNameEdited, this, &EditorWindow::BankNameHasChanged);
    connect(m_bankView.get(), &BankView::slotNameEdited, this, &EditorWindow::ContentNameHasChanged);
    connect(m_bankView.get(), &BankView::importClicked, this, &EditorWindow::openContent);
    connect(m_bankView.get(), &BankView::shapeClicked, this, [this](int tag) {
        if (const auto row = rowToActOn())
            m_edits->shape(*row, tag);
    });
    connect(m_bankView.get(), &BankView::fileDropped, this, &EditorWindow::importFile);
    connect(m_bankView.get(), &BankView::fileDroppedToShape, this, [this](int slot, const std::string& path) {
        if (const auto row = rowToActOn())
            m_edits->importChosen(*row, slot, path);
    });
    connect(m_bankView.get(), &BankView::bankFileDropped, this, &EditorWindow::openBankFile);
    connect(m_bankView.get(), &BankView::slotDropped, m_slotCopying.get(), &SlotCopying::copyIntoShownBank);
    connect(m_bankView.get(), &BankView::filesLeftOut, this, [this](int count) {
        showStatus(m_ui->text_status->text()
                   + tr(" (%n more file(s) left out: the bank has no more slots)", nullptr, count));
    });
    showStatusOf(m_bankView, m_edits, m_kitFilling, m_bankSoundsExport, m_loudnessMatching, m_slotCopying, m_banks,
                 m_files, m_recent, m_transmission, m_outputSettings, m_deviceContents, m_disabledReasons, m_library,
                 m_pads, m_padController);
    connect(m_edits.get(), &BankEdits::slotChanged, m_bankView.get(), &BankView::selectSlot);
    connect(m_edits.get(), &BankEdits::nameRefused, this, &EditorWindow::updateContentView);
    connect(m_files.get(), &BankFiles::fileUsed, m_recent.get(), &RecentFiles::add);
    connect(m_recent.get(), &RecentFiles::openRequested, this, [this](const std::string& path) { openBankFile(path); });
    connect(m_library.get(), &SoundBrowser::filesChosen, this, &EditorWindow::importChosenFiles);
    // A button's key presses it at once and clicks it a moment later: the name being typed is the
    // bank's from the moment it goes down.
    for (QAbstractButton* button : {ui.button_reset, ui.button_load, ui.button_save, ui.button_send})
        connect(button, &QAbstractButton::pressed, m_bankView.get(), &BankView::commitTypedName);
    // Undo and Redo, the menu's too, take the name being typed as a step of its own, never losing it.
    connect(m_banks.get(), &WorkingBanks::aboutToUndoOrRedo, m_bankView.get(), &BankView::commitTypedName);
    connect(ui.button_reset, &QPushButton::clicked, this, &EditorWindow::openDefaultBank);
    connect(ui.button_load, &QPushButton::clicked, this, &EditorWindow::openBank);
    connect(ui.button_save, &QPushButton::clicked, this, &EditorWindow::saveBank);
    connect(ui.button_send, &QPushButton::clicked, this, &EditorWindow::sendBank);
    connect(ui.menu_open, &QAction::triggered, this, &EditorWindow::openBank);
    connect(ui.menu_save, &QAction::triggered, this, &EditorWindow::saveBank);
    connect(ui.menu_saveAs, &QAction::triggered, this, &EditorWindow::saveBankAs);
    connect(ui.menu_quit, &QAction::triggered, this, &QWidget::close);
    connect(ui.menu_send, &QAction::triggered, this, &EditorWindow::sendBank);
    connect(ui.menu_about, &QAction::triggered, this, &EditorWindow::orderFrontAboutWindow);
    connect(m_outputs.get(), &OutputList::connectionChanged, this, &EditorWindow::enableMIDIButtons);
    // The service's one notice of devices coming and going reaches the controller's list through the outputs'.
    connect(m_outputs.get(), &OutputList::connectionChanged, m_padController.get(), &PadController::refresh);
    connect(m_padController.get(), &PadController::padHit, m_pads.get(), &PadView::hit);
    connect(m_transmission.get(), &Transmission::ended, this, [this] { switchToIdleState(true); });
    connect(m_banks.get(), &WorkingBanks::banksChanged, this, &EditorWindow::banksDidChange);
}

void EditorWindow::awakeFromNib()
{
    Ui::EditorWindow& ui = *m_ui;
    ui.text_status->setText(QString());
    enableMIDIButtons();
    ui.popup_channel->setCurrentIndex(0);
    m_memory->restore();
    m_selection->selectRow(kStartRow);
    updateContentView();
    m_menuValidation->validateMenus();
    setWindowTitle(m_unsaved->title());
}

void EditorWindow::start(const QString& file)
{
    show();
    // Questions and alerts about the file come over the window, never before it.
    QMetaObject::invokeMethod(
        this, [this, file] { file.isEmpty() ? m_lastFile->reopen() : openBankFile(file.toStdString()); },
        Qt::QueuedConnection);
}

const IBank& EditorWindow::workBank(int row) const
{
    return m_banks->bank(static_cast<std::size_t>(row));
}

const IBank& EditorWindow::defaultBank(int row) const
{
    return m_banks->factoryBank(static_cast<std::size_t>(row));
}

// ---- state ----

bool EditorWindow::switchToSendState(bool on)
{
    Ui::EditorWindow& ui = *m_ui;
    // Send becomes Stop while sending; quitting stays possible, after a question.
    if (on && !m_sendTexts) {
        m_sendTexts = {ui.button_send->text(), ui.menu_send->text()};
        ui.button_send->setText(tr("Sto&p"));
        ui.menu_send->setText(tr("&Stop"));
        ui.button_send->setEnabled(true);
        return true;
    }
    if (!on && m_sendTexts) {
        ui.button_send->setText(m_sendTexts->first);
        ui.menu_send->setText(m_sendTexts->second);
        m_sendTexts.reset();
        enableMIDIButtons();
        return true;
    }
    return false;
}

bool EditorWindow::switchToIdleState(bool)
{
    return !m_sendTexts || switchToSendState(false);
}

bool EditorWindow::sending() const
{
    // The window's parts may still be answering signals while it is being taken down.
    return m_transmission && m_transmission->isSending();
}

bool EditorWindow::applicationShouldTerminate() const
{
    return !sending();
}

bool EditorWindow::event(QEvent* event)
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

void EditorWindow::dragEnterEvent(QDragEnterEvent* event)
{
    m_bankView->takeDrag(*event);
}

void EditorWindow::dragMoveEvent(QDragMoveEvent* event)
{
    m_bankView->takeDrag(*event);
}

void EditorWindow::dropEvent(QDropEvent* event)
{
    m_bankView->takeDrag(*event);
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    m_bankView->commitTypedName();
    // Unsaved banks first; then a window closed while banks are on their way would leave the
    // program running unseen: the transmission is stopped first, if the user agrees, and the
    // device's state told.
    if (m_files->settle(tr("quitting"))
        && (applicationShouldTerminate() || (sending() && m_transmission->stopForQuit()))) {
        m_memory->keep();
        event->accept();
    } else {
        event->ignore();
    }
    updateTitle();
}

// ---- selection, names, reset ----

void EditorWindow::BankNameHasChanged()
{
    const int row = m_selection->currentRow();
    if (row >= 0)
        m_edits->renameBank(static_cast<std::size_t>(row), m_bankView->bankName().toStdString());
}

void EditorWindow::ContentNameHasChanged(int tag)
{
    const int row = m_selection->currentRow();
    const std::optional<QString> name = m_bankView->slotName(tag);
    if (row >= 0 && name)
        m_edits->renameSlot(static_cast<std::size_t>(row), tag, name->toStdString());
}

void EditorWindow::openDefaultBank()
{
    if (const auto row = rowToActOn())
        m_edits->resetToFactory(*row, sending());
}

void EditorWindow::banksDidChange(const QList<int>& rows)
{
    m_selection->reloadData();
    // A step taken back in a bank not on show brings that bank into view.
    if (rows.size() == 1 && rows.front() != m_selection->currentRow())
        m_selection->selectRow(rows.front());
    updateContentView();
    updateTitle();
}

void EditorWindow::updateTitle()
{
    setWindowTitle(m_unsaved->title());
    setWindowModified(!m_unsaved->changedRows().empty());
}

void EditorWindow::showStatus(const QString& text)
{
    m_ui->text_status->setText(text);
}

// ---- views ----

void EditorWindow::enableMIDIButtons()
{
    // While sending, the button is Stop and stays usable whatever the output does.
    if (sending())
        return;
    const QString reason = m_outputs->unavailableReason();
    m_ui->button_send->setEnabled(reason.isEmpty());
    m_ui->button_send->setToolTip(reason.isEmpty() ? m_sendTip : reason);
    m_ui->menu_send->setToolTip(m_ui->button_send->toolTip());
}

void EditorWindow::updateContentView()
{
    const int row = m_selection->currentRow();
    if (row < 0)
        return;
    m_loudnessMatching->showRow(static_cast<std::size_t>(row));
    m_bankView->show(m_banks->bank(static_cast<std::size_t>(row)), row >= m_protectedBanks);
}

void EditorWindow::orderFrontAboutWindow()
{
    AboutWindow about(this);
    about.exec();
}

// ---- files ----

void EditorWindow::importChosenFiles(const std::vector<std::string>& paths)
{
    const int slot = m_bankView->selectedSlot();
    if (slot < 0)
        return;
    if (paths.size() > 1)
        return m_bankView->fill(slot, paths);
    if (const auto row = rowToActOn())
        m_edits->importChosen(*row, slot, paths.front());
}

std::optional<std::size_t> EditorWindow::rowToActOn()
{
    m_bankView->commitTypedName();
    const int row = m_selection->currentRow();
    return row >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(row)) : std::nullopt;
}

void EditorWindow::openBank()
{
    if (const auto row = rowToActOn()) {
        m_files->open(*row, m_selection->allBanksChosen());
        updateTitle();
    }
}

void EditorWindow::openBankFile(const std::string& path)
{
    if (const auto row = rowToActOn()) {
        m_files->open(*row, path, m_selection->allBanksChosen());
        updateTitle();
    }
}

void EditorWindow::saveBank()
{
    if (const auto row = rowToActOn(); row && m_files->save(*row, m_selection->allBanksChosen()))
        updateTitle();
}

void EditorWindow::saveBankAs()
{
    if (const auto row = rowToActOn(); row && m_files->saveAs(*row, m_selection->allBanksChosen()))
        updateTitle();
}

void EditorWindow::openContent(int tag)
{
    if (const auto row = rowToActOn())
        m_edits->chooseImport(*row, tag);
}

void EditorWindow::importFile(int tag, const std::string& path)
{
    if (const auto row = rowToActOn())
        m_edits->import(*row, tag, path);
}

// ---- transmission ----

void EditorWindow::sendBank()
{
    if (sending()) {
        m_transmission->stop();
        return;
    }
    m_bankView->commitTypedName();
    const auto channel = static_cast<std::uint32_t>(std::max(0, m_ui->popup_channel->currentIndex()));
    const auto row = static_cast<std::size_t>(std::max(0, m_selection->currentRow()));
    if (m_transmission->send(row, m_selection->allBanksChosen(), channel))
        switchToSendState(true);
}
