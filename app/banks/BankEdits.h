#pragma once

#include "app/banks/ContentImport.h"
#include "app/document/SlotSource.h"

#include <QObject>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct StepName;
class FilePanels;
class ImportPreferences;
class SoundPanel;
class WorkingBanks;
class ISoundOutput;
class QWidget;

// The user's edits of the working banks, each one step in the undo history: a bank's name, a
// slot's name, a file imported into a slot, a slot's sound shaped in the sound panel, and a bank
// given back its factory name and sounds.
class BankEdits : public QObject {
    Q_OBJECT
public:
    // Everything stays the caller's and must outlive the edits; the sound panel opens over window.
    BankEdits(IDialogs& dialogs, FilePanels& panels, const ImportPreferences& preferences, WorkingBanks& banks,
              ISoundOutput& output, QWidget& window);
    ~BankEdits() override;

    // A name left as it was is no rename; one no bank file keeps as it is (NameRefusal) is refused
    // with its reason.
    void renameBank(std::size_t row, const std::string& name);
    void renameSlot(std::size_t row, int slot, const std::string& name);
    // Only after the user agreed, and refused while banks are being sent or received: what the
    // bank holds now is replaced.
    void resetToFactory(std::size_t row, bool transferring);
    // Import…: asks for the file; a sound for a sample slot opens the sound panel, anything else
    // goes in at once.
    void chooseImport(std::size_t row, int slot);
    // A file chosen elsewhere (the sound browser), taken as Import… takes the file it asked for.
    void importChosen(std::size_t row, int slot, const std::string& path);
    // A file straight into the slot (a drop), shaped as the import preferences say; a sound keeps
    // its source, so the panel can shape it again.
    void import(std::size_t row, int slot, const std::string& path);
    // Opens the sound panel for the sound a sample slot holds: from its kept source, else from its
    // own bytes.
    void shape(std::size_t row, int slot);

signals:
    // What an edit did, or why an import was refused, for the status line.
    void status(const QString& text);
    // A slot of the row took an edit (a name, an import, a shape): the one to show and play next.
    void slotChanged(int slot);
    // A typed name was refused: the view shows the bank's names again.
    void nameRefused();

private:
    // Says why the name cannot be kept and asks the view to show the kept one; false when it can be.
    bool refusesName(const std::string& name, const QString& renamed);
    void importFile(std::size_t row, std::uint16_t slot, const std::string& path, bool shapeFirst);
    void openPanel(std::size_t row, std::uint16_t slot, const SlotSource& source, const std::string& name,
                   const std::string& what);
    void applyPanel();
    // "S05 CLOSED HI HAT": the bank's number and the slot's label, as the status line names a slot.
    QString slotOf(std::size_t row, std::uint16_t slot) const;
    // The undo step for putting a sound into a slot: an "Import" or a "Shape".
    StepName stepName(const std::string& what, std::size_t row, std::uint16_t slot) const;
    // Puts a rendered sound with its source into the slot and says what was done.
    void put(const std::string& what, std::size_t row, std::uint16_t slot, std::span<const std::uint8_t> bytes,
             const std::string& name, const SlotSource& source, const audio::ImportResult& result);

    IDialogs& m_dialogs;
    FilePanels& m_panels;
    const ImportPreferences& m_preferences;
    WorkingBanks& m_banks;
    ISoundOutput& m_output;
    QWidget& m_window;
    ContentImport m_contentImport;
    std::unique_ptr<SoundPanel> m_panel;
    // The slot the panel is open for, the name it gets and the undo step's name.
    std::size_t m_panelRow = 0;
    std::uint16_t m_panelSlot = 0;
    std::string m_panelName;
    std::string m_panelStep;
};
