#pragma once

#include "app/common/IDialogs.h"
#include "model/FactoryTables.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class BankEdits;
class BankFiles;
class BankSelection;
class BankSoundsExport;
class BankView;
class DisabledReasons;
class FilePanels;
class FocusGuard;
class HelpMenu;
class DeviceContentsSaving;
class ImportPreferences;
class KitFilling;
class KitPlayer;
class LastBankFile;
class LoudnessMatching;
class MenuValidation;
class RecentFiles;
class OutputList;
class OutputSettings;
class PadController;
class PadView;
class Settings;
class SlotCopying;
class SoundBrowser;
class ISoundOutput;
class Transmission;
class UnsavedChanges;
class WorkingBanks;
class WindowMemory;
class IBank;
class MidiContext;

namespace Ui {
class EditorWindow;
}

// The editor's one controller and its window: it owns the document (the working banks, the factory
// banks and the undo history) and the rooms of the window's further concerns (the bank table's
// selection, the bank view and its edits, the import preferences, unsaved changes, the bank files,
// recent files and file panels, the window's memory, the focus guard, the live output list, the
// MIDI controller playing the pads, the transmission, the reasons of disabled buttons, the menus'
// validation, the sound browser, the pads), each a member it destroys before its widgets, and wires
// between them what one room may not reach in another. It alone writes the status line. Everything
// here runs on the UI thread; the transmission worker and the browser's listing reach it only
// through queued calls.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    // The dialogs, the MIDI system, the settings, the sound output and the kit player stay the
    // caller's and must outlive the editor; every audition goes through soundOutput, which sets the
    // kit player's pads aside while it plays.
    EditorWindow(IDialogs& dialogs, MidiContext& midiSystem, Settings& settings, ISoundOutput& soundOutput,
                 KitPlayer& kit, QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Shows the window, then, once it is on the screen, opens what the session starts with: the
    // bank file given (an absolute path) as Open… opens it, or with none, the last session's file
    // where the preferences ask for it.
    void start(const QString& file);

    // Banks are on their way to the device: the transmission's own state, until it has told its end.
    bool sending() const;
    // The banks as the user sees them, rows 0 to 31; and the untouched factory banks.
    const IBank& workBank(int row) const;
    const IBank& defaultBank(int row) const;
    OutputList& outputs() { return *m_outputs; }

    bool switchToSendState(bool on);
    bool switchToIdleState(bool on);
    // Quitting at once is allowed only while idle; during a send, closing asks to stop first.
    bool applicationShouldTerminate() const;

public slots:
    void BankNameHasChanged();
    void ContentNameHasChanged(int tag);
    void openDefaultBank();
    void openBank();
    void saveBank();
    void saveBankAs();
    void openContent(int tag);
    void sendBank();
    void orderFrontAboutWindow();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    // Drags that no control under the pointer takes itself: files dropped onto the window.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void connectControls();
    // The selected row, once the name being typed has become its bank's; none while no row is.
    std::optional<std::size_t> rowToActOn();
    void openBankFile(const std::string& path);
    void importFile(int tag, const std::string& path);
    // Files chosen in the browser: one is taken as Import… takes a file, several fill the slots on.
    void importChosenFiles(const std::vector<std::string>& paths);
    void awakeFromNib();
    void enableMIDIButtons();
    void updateContentView();
    void showStatus(const QString& text);
    // Each room's status line is the window's.
    template <class... Rooms> void showStatusOf(const std::unique_ptr<Rooms>&... rooms)
    {
        (connect(rooms.get(), &Rooms::status, this, &EditorWindow::showStatus), ...);
    }
    // The banks of rows changed (an edit, or a step undone or redone): the views show them again.
    void banksDidChange(const QList<int>& rows);
    // The window's title: the bank file's name, marked while banks are unsaved.
    void updateTitle();

    MidiContext& m_midiSystem;
    Settings& m_settings;
    std::unique_ptr<Ui::EditorWindow> m_ui;
    // Leading rows whose bank is read-only in the content view; none are.
    int m_protectedBanks = 0;
    int m_visibleBanks = factory::kBankCount;
    // The Send button's and menu item's own texts, while they say Stop.
    // Send's button and menu texts while they say Stop.
    std::optional<std::pair<QString, QString>> m_sendTexts;
    // The Send button's tooltip while it can send; otherwise it says why not.
    QString m_sendTip;

    // The rooms, in the order they are made; each goes before those it was given.
    std::unique_ptr<WorkingBanks> m_banks;
    std::unique_ptr<FilePanels> m_panels;
    std::unique_ptr<UnsavedChanges> m_unsaved;
    std::unique_ptr<BankFiles> m_files;
    std::unique_ptr<RecentFiles> m_recent;
    std::unique_ptr<LastBankFile> m_lastFile;
    std::unique_ptr<FocusGuard> m_focusGuard;
    std::unique_ptr<BankSelection> m_selection;
    std::unique_ptr<BankView> m_bankView;
    std::unique_ptr<ImportPreferences> m_importPreferences;
    std::unique_ptr<KitFilling> m_kitFilling;
    std::unique_ptr<SlotCopying> m_slotCopying;
    std::unique_ptr<LoudnessMatching> m_loudnessMatching;
    std::unique_ptr<BankEdits> m_edits;
    std::unique_ptr<OutputList> m_outputs;
    std::unique_ptr<OutputSettings> m_outputSettings;
    std::unique_ptr<BankSoundsExport> m_bankSoundsExport;
    std::unique_ptr<DeviceContentsSaving> m_deviceContents;
    std::unique_ptr<WindowMemory> m_memory;
    std::unique_ptr<Transmission> m_transmission;
    std::unique_ptr<DisabledReasons> m_disabledReasons;
    std::unique_ptr<MenuValidation> m_menuValidation;
    std::unique_ptr<SoundBrowser> m_library;
    std::unique_ptr<PadView> m_pads;
    std::unique_ptr<PadController> m_padController;
    std::unique_ptr<HelpMenu> m_help;
};
